#pragma once
// Where the alarms live beside the settings: the first alarm's days value
// ("AlarmDays") and one value for each further alarm ("Alarm2", ...) under
// the settings key. The text forms are alarm_list.h's; this is the registry
// traffic only.
#include <vector>

#include "alarm/alarm_list.h"

namespace orlavox {

// The whole list: the first alarm from the settings record `s` (as loaded)
// and its days value, then the further alarms that can be read.
std::vector<AlarmEntry> LoadAlarmsFromRegistry(const ClockSettings& s);
// Writes the first alarm's days value (or deletes it) and the further alarms;
// the first alarm's own fields go with the settings record. Values that
// cannot be read are left as they are. False when a value could not be written.
bool SaveAlarmsToRegistry(const std::vector<AlarmEntry>& list);

}  // namespace orlavox
