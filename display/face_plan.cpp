#include "display/face_plan.h"

namespace orlavox {
namespace {

constexpr uint8_t Tens(unsigned v) { return static_cast<uint8_t>((v / 10) % 10); }
constexpr uint8_t Units(unsigned v) { return static_cast<uint8_t>(v % 10); }

}  // namespace

TwelveHour ToTwelveHour(uint8_t hour) {
  if (hour == 0) return {12, false};
  if (hour < 12) return {hour, false};
  if (hour == 12) return {12, true};
  return {static_cast<uint8_t>(hour - 12), true};
}

void PlanUpdateHours(FacePlan& plan, const TickTime& t, const FaceSettings& s) {
  if (s.Hour24) {
    plan.Add(Cell::AP, ImageList::Misc, kMiscBlankAmPm, 0, 0);
    plan.Add(Cell::AP, ImageList::Misc, kMiscBlankAmPm, 0, 15);
    if (t.Hour > 9) {
      plan.Add(Cell::Hour1, ImageList::HrMin, Tens(t.Hour));
      plan.Hour1 = Visibility::Show;
    } else {
      plan.Hour1 = Visibility::Hide;
    }
    plan.Add(Cell::Hour2, ImageList::HrMin, Units(t.Hour));
  } else {
    const TwelveHour h = ToTwelveHour(t.Hour);
    plan.Hour1 = Visibility::Show;
    plan.Add(Cell::Hour1, ImageList::HrMin, Tens(h.Hour));
    if (Tens(h.Hour) == 0) plan.Add(Cell::Hour1, ImageList::HrMin, kBlankDigit);
    plan.Add(Cell::Hour2, ImageList::HrMin, Units(h.Hour));
    if (t.Hour < 12) {
      plan.Add(Cell::AP, ImageList::Misc, kMiscAm, 0, 0);
      plan.Add(Cell::AP, ImageList::Misc, kMiscBlankPatch, 0, 15);
    } else {
      plan.Add(Cell::AP, ImageList::Misc, kMiscBlankPatch, 0, 0);
      plan.Add(Cell::AP, ImageList::Misc, kMiscPm, 0, 15);
    }
  }
  if (s.AlarmOn) {
    plan.Add(Cell::Misc, ImageList::Misc, kMiscAlarmOn, 0, 6);
  } else {
    plan.Add(Cell::Misc, ImageList::Misc, kMiscBlankPatch, 0, 6);
    plan.Add(Cell::Misc, ImageList::Misc, kMiscBlankPatch, 6, 6);
  }
  if (s.AnnounceOn) {
    plan.Add(Cell::Misc, ImageList::Misc, kMiscAnnounceOn, 32, 2);
  } else {
    plan.Add(Cell::Misc, ImageList::Misc, kMiscBlankPatch, 32, 2);
    plan.Add(Cell::Misc, ImageList::Misc, kMiscBlankPatch, 32, 8);
  }
  plan.Add(Cell::Col, ImageList::Misc, kMiscBigColon, 0, 0);
  plan.Add(Cell::Misc, ImageList::Misc, kMiscDayLabel, 115, 2);
}

void PlanUpdateMinutes(FacePlan& plan, const TickTime& t) {
  plan.Add(Cell::Min1, ImageList::HrMin, Tens(t.Minute));
  plan.Add(Cell::Min2, ImageList::HrMin, Units(t.Minute));
}

void PlanUpdateSeconds(FacePlan& plan, const TickTime& t, int shownSecond) {
  if (shownSecond < 0 || shownSecond > 59 || Tens(uint8_t(shownSecond)) != Tens(t.Second))
    plan.Add(Cell::Sec1, ImageList::Sec, Tens(t.Second));
  plan.Add(Cell::Sec2, ImageList::Sec, Units(t.Second));
}

void PlanUpdateDate(FacePlan& plan, const TickTime& t) {
  plan.Add(Cell::Date1, ImageList::MS, t.Day > 9 ? Tens(t.Day) : kBlankDigit);
  plan.Add(Cell::Date2, ImageList::MS, Units(t.Day));
  const int d = t.DayOfWeek;
  if (d < 1 || d > 7) return;
  // Only today's label is shown. The day may have jumped by more than one (a
  // resume after a weekend, the clock set forward): clear every other slot,
  // not only yesterday's (Saturday's before Sunday).
  for (int slot = 1; slot <= 7; ++slot)
    if (slot != d) plan.Add(Cell::Weekday, ImageList::Misc, kMiscBlankPatch, (slot - 1) * 25, 0);
  plan.Add(Cell::Weekday, ImageList::Misc, static_cast<uint8_t>(kMiscSunday + d - 1), (d - 1) * 25, 0);
}

void PlanUpdateMiniTime(FacePlan& plan, const TickTime& t, const FaceSettings& s) {
  if (s.Hour24) {
    plan.Add(Cell::MT, ImageList::Misc, kMiscSmallBlankMarker, 0, 0);
    plan.Add(Cell::MT, ImageList::MS, t.Hour > 9 ? Tens(t.Hour) : kBlankDigit, 8, 0);
    plan.Add(Cell::MT, ImageList::MS, Units(t.Hour), 22, 0);
  } else {
    const TwelveHour h = ToTwelveHour(t.Hour);
    plan.Add(Cell::MT, ImageList::MS, Tens(h.Hour), 8, 0);
    if (Tens(h.Hour) == 0) plan.Add(Cell::MT, ImageList::MS, kBlankDigit, 8, 0);
    plan.Add(Cell::MT, ImageList::MS, Units(h.Hour), 22, 0);
    plan.Add(Cell::MT, ImageList::Misc, t.Hour < 12 ? kMiscSmallAm : kMiscSmallPm, 0, 0);
  }
  plan.Add(Cell::MT, ImageList::MS, Tens(t.Minute), 42, 0);
  plan.Add(Cell::MT, ImageList::MS, Units(t.Minute), 56, 0);
}

void PlanBlinkColon(FacePlan& plan, bool colonOn) {
  plan.Add(Cell::MT, ImageList::Misc, colonOn ? kMiscSmallColon : kMiscSmallBlankColon, 37, 0);
}

FacePlan PlanRepaint(const TickTime& t, const FaceSettings& s, DisplayMode mode) {
  FacePlan plan;
  if (mode == DisplayMode::Small) {
    PlanUpdateMiniTime(plan, t, s);
  } else {
    PlanUpdateHours(plan, t, s);
    PlanUpdateMinutes(plan, t);
    PlanUpdateSeconds(plan, t);
    PlanUpdateDate(plan, t);
  }
  return plan;
}

}  // namespace orlavox
