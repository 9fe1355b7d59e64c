#include "alarm/alarm_store.h"

#include "win/registry.h"

namespace orlavox {
namespace {

std::vector<StoredAlarmValue> ReadAlarmValues(const Registry& reg) {
  std::vector<StoredAlarmValue> values(kAlarmValueCount);
  for (int i = 0; i < kAlarmValueCount; ++i) {
    const std::string name = AlarmValueName(i + 1);
    std::string text;
    const ReadStatus status = reg.ReadUtf8String(name.c_str(), text);
    values[size_t(i)].Present = status != ReadStatus::Missing;
    if (status == ReadStatus::Ok) values[size_t(i)].Text = std::move(text);
  }
  return values;
}

}  // namespace

std::vector<AlarmEntry> LoadAlarmsFromRegistry(const ClockSettings& s) {
  Registry reg;
  std::string days;
  const bool open = reg.OpenKey(kSettingsKey, false);
  if (open) reg.ReadUtf8String(kAlarmDaysValue, days);  // missing or unreadable: ""
  std::vector<AlarmEntry> list{FirstAlarm(s, days)};
  if (!open) return list;
  for (AlarmEntry& a : ReadFurtherAlarms(ReadAlarmValues(reg))) list.push_back(std::move(a));
  return list;
}

bool SaveAlarmsToRegistry(const std::vector<AlarmEntry>& list) {
  Registry reg;
  if (!reg.OpenKey(kSettingsKey, true)) return false;
  bool ok = true;
  ClockSettings unused;
  std::string days;
  if (!list.empty()) StoreFirstAlarm(list.front(), unused, days);
  if (!days.empty())
    ok = reg.WriteUtf8String(kAlarmDaysValue, days);
  else if (reg.ValueExists(kAlarmDaysValue))
    reg.DeleteValue(kAlarmDaysValue);
  const std::vector<StoredAlarmValue> values = ReadAlarmValues(reg);
  const std::vector<AlarmEntry> further(list.empty() ? list.end() : list.begin() + 1, list.end());
  const std::vector<AlarmValueChange> plan = PlanAlarmSave(values, further);
  for (size_t i = 0; i < plan.size(); ++i) {
    const std::string name = AlarmValueName(int(i) + 1);
    if (plan[i].What == AlarmValueChange::Write) ok = reg.WriteUtf8String(name.c_str(), plan[i].Text) && ok;
    if (plan[i].What == AlarmValueChange::Delete) reg.DeleteValue(name.c_str());
  }
  return ok;
}

}  // namespace orlavox
