#include "display/face_plan.h"

#include <gtest/gtest.h>

#include "display/tests/tick_time.h"

namespace orlavox {
namespace {

struct Seen {
  bool Drawn = false;
  ImageList List = ImageList::Misc;
  int Index = -1;
  friend bool operator==(const Seen& a, const Seen& b) {
    return a.Drawn == b.Drawn && (!a.Drawn || (a.List == b.List && a.Index == b.Index));
  }
};
Seen Img(ImageList l, int i) { return {true, l, i}; }
const Seen kNothing{};

// What a plan leaves visible at point (x, y) of a cell: the last image drawn
// there, each image covering its own size from its corner, clipped to the cell.
Seen SeenAt(const FacePlan& plan, Cell cell, int x, int y) {
  Seen seen;
  const PanelRect r = CellRect(cell, DisplayMode::Big);
  if (x < 0 || y < 0 || x >= r.Width || y >= r.Height) return seen;
  for (const DrawStep& s : plan) {
    const ImageSize size = ImageSizeOf(s.List, s.Index);
    if (s.Target == cell && x >= s.X && x < s.X + size.Width && y >= s.Y && y < s.Y + size.Height)
      seen = Img(s.List, s.Index);
  }
  return seen;
}

const FaceSettings k24 = {true, false, false};
const FaceSettings k12 = {false, false, false};

TEST(FacePlan, TwentyFourHourClockHidesTheLeadingZero) {
  FacePlan p = PlanRepaint(At(9, 5, 7), k24, DisplayMode::Big);
  EXPECT_EQ(p.Hour1, Visibility::Hide);
  EXPECT_EQ(SeenAt(p, Cell::Hour1, 15, 20), kNothing);
  EXPECT_EQ(SeenAt(p, Cell::Hour2, 15, 20), Img(ImageList::HrMin, 9));
  EXPECT_EQ(SeenAt(p, Cell::Min1, 15, 20), Img(ImageList::HrMin, 0));
  EXPECT_EQ(SeenAt(p, Cell::Min2, 15, 20), Img(ImageList::HrMin, 5));
  EXPECT_EQ(SeenAt(p, Cell::Sec1, 10, 10), Img(ImageList::Sec, 0));
  EXPECT_EQ(SeenAt(p, Cell::Sec2, 10, 10), Img(ImageList::Sec, 7));
  // The AM/PM cell is cleared over its whole height.
  for (int y = 0; y < 33; ++y) EXPECT_EQ(SeenAt(p, Cell::AP, 21, y), Img(ImageList::Misc, kMiscBlankAmPm)) << y;

  p = PlanRepaint(At(10, 0, 0), k24, DisplayMode::Big);
  EXPECT_EQ(p.Hour1, Visibility::Show);
  EXPECT_EQ(SeenAt(p, Cell::Hour1, 15, 20), Img(ImageList::HrMin, 1));
  EXPECT_EQ(SeenAt(p, Cell::Hour2, 15, 20), Img(ImageList::HrMin, 0));
}

TEST(FacePlan, TwelveHourClockWithIndicators) {
  struct Case {
    int h, m;
    int tens, units;
    bool pm;
  } cases[] = {{0, 30, 1, 2, false}, {12, 0, 1, 2, true}, {13, 5, kBlankDigit, 1, true}, {10, 0, 1, 0, false},
               {8, 0, kBlankDigit, 8, false}, {23, 59, 1, 1, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.h << ":" << c.m);
    FacePlan p;
    PlanUpdateHours(p, At(c.h, c.m), k12);
    EXPECT_EQ(p.Hour1, Visibility::Show);
    EXPECT_EQ(SeenAt(p, Cell::Hour1, 25, 2), Img(ImageList::HrMin, c.tens));
    EXPECT_EQ(SeenAt(p, Cell::Hour2, 15, 20), Img(ImageList::HrMin, c.units));
    // AM in the upper part of the cell, PM in the lower part, a blank patch in the other.
    const int upper = c.pm ? kMiscBlankPatch : kMiscAm;
    const int lower = c.pm ? kMiscPm : kMiscBlankPatch;
    EXPECT_EQ(SeenAt(p, Cell::AP, 3, 3), Img(ImageList::Misc, upper));
    EXPECT_EQ(SeenAt(p, Cell::AP, 3, 20), Img(ImageList::Misc, lower));
  }
}

TEST(FacePlan, HoursRefreshIndicatorsColonAndDateLabel) {
  FacePlan on;
  PlanUpdateHours(on, At(7, 0), {true, true, true});
  EXPECT_EQ(SeenAt(on, Cell::Misc, 10, 10), Img(ImageList::Misc, kMiscAlarmOn));
  EXPECT_EQ(SeenAt(on, Cell::Misc, 38, 9), Img(ImageList::Misc, kMiscAnnounceOn));
  EXPECT_EQ(SeenAt(on, Cell::Misc, 120, 5), Img(ImageList::Misc, kMiscDayLabel));
  EXPECT_EQ(SeenAt(on, Cell::Col, 4, 4), Img(ImageList::Misc, kMiscBigColon));

  // Switched off: every pixel the indicators covered is cleared.
  FacePlan off;
  PlanUpdateHours(off, At(7, 0), k24);
  for (int x = 0; x < 28; ++x)
    for (int y = 6; y < 15; ++y) ASSERT_EQ(SeenAt(off, Cell::Misc, x, y), Img(ImageList::Misc, kMiscBlankPatch));
  for (int x = 32; x < 45; ++x)
    for (int y = 2; y < 17; ++y) ASSERT_EQ(SeenAt(off, Cell::Misc, x, y), Img(ImageList::Misc, kMiscBlankPatch));
}

TEST(FacePlan, DayOfMonthAndWeekday) {
  FacePlan p;
  PlanUpdateDate(p, At(0, 0, 0, 5, 2));
  EXPECT_EQ(SeenAt(p, Cell::Date1, 7, 10), Img(ImageList::MS, kBlankDigit));
  EXPECT_EQ(SeenAt(p, Cell::Date2, 7, 10), Img(ImageList::MS, 5));
  p = {};
  PlanUpdateDate(p, At(0, 0, 0, 10, 2));
  EXPECT_EQ(SeenAt(p, Cell::Date1, 7, 10), Img(ImageList::MS, 1));
  EXPECT_EQ(SeenAt(p, Cell::Date2, 7, 10), Img(ImageList::MS, 0));

  // Saturday -> Sunday: Saturday's slot is cleared, Sunday's label drawn at x 0.
  p = {};
  PlanUpdateDate(p, At(0, 0, 0, 1, 1));
  EXPECT_EQ(SeenAt(p, Cell::Weekday, 160, 5), Img(ImageList::Misc, kMiscBlankPatch));
  EXPECT_EQ(SeenAt(p, Cell::Weekday, 10, 5), Img(ImageList::Misc, kMiscSunday));
  // Sunday -> Monday: Sunday's slot cleared; Monday's label wins where they meet.
  p = {};
  PlanUpdateDate(p, At(0, 0, 0, 2, 2));
  EXPECT_EQ(SeenAt(p, Cell::Weekday, 10, 5), Img(ImageList::Misc, kMiscBlankPatch));
  EXPECT_EQ(SeenAt(p, Cell::Weekday, 25, 5), Img(ImageList::Misc, 1));
  // Every label fits the strip, Saturday's too.
  for (int d = 1; d <= 7; ++d) {
    p = {};
    PlanUpdateDate(p, At(0, 0, 0, 1, d));
    const DrawStep& label = p.Steps[p.Count - 1];
    EXPECT_LE(label.X + ImageSizeOf(label.List, label.Index).Width, CellRect(Cell::Weekday, DisplayMode::Big).Width);
  }
  // The day jumps from Wednesday to Friday (a resume, the clock set forward):
  // Wednesday's label goes as well, only Friday's stays lit.
  p = {};
  PlanUpdateDate(p, At(0, 0, 0, 3, 4));
  PlanUpdateDate(p, At(0, 0, 0, 5, 6));
  EXPECT_EQ(SeenAt(p, Cell::Weekday, 130, 5), Img(ImageList::Misc, kMiscSunday + 5));
  for (int x = 0; x < CellRect(Cell::Weekday, DisplayMode::Big).Width; ++x) {
    const Seen s = SeenAt(p, Cell::Weekday, x, 5);
    if (s.Drawn) {
      EXPECT_TRUE(s.Index == kMiscBlankPatch || s.Index == kMiscSunday + 5) << x << ": " << s.Index;
    }
  }
  // A weekday out of range draws no label.
  p = {};
  PlanUpdateDate(p, At(0, 0, 0, 1, 0));
  EXPECT_EQ(p.Count, 2u);
}

// The time line of the small display, read left to right.
std::vector<Seen> ReadTimeLine(const FacePlan& p) {
  std::vector<Seen> out;
  for (int x : {3, 14, 28, 38, 48, 62}) {
    Seen s;
    for (const DrawStep& st : p) {
      const ImageSize size = ImageSizeOf(st.List, st.Index);
      if (st.Target == Cell::MT && x >= st.X && x < st.X + size.Width) s = Img(st.List, st.Index);
    }
    out.push_back(s);
  }
  return out;
}

TEST(FacePlan, SmallDisplayTimeLine) {
  FacePlan p = PlanRepaint(At(21, 7), k12, DisplayMode::Small);
  PlanBlinkColon(p, true);
  using L = ImageList;
  EXPECT_EQ(ReadTimeLine(p), (std::vector<Seen>{Img(L::Misc, kMiscSmallPm), Img(L::MS, kBlankDigit), Img(L::MS, 9),
                                                Img(L::Misc, kMiscSmallColon), Img(L::MS, 0), Img(L::MS, 7)}));
  p = PlanRepaint(At(9, 45), k12, DisplayMode::Small);
  PlanBlinkColon(p, false);
  EXPECT_EQ(ReadTimeLine(p), (std::vector<Seen>{Img(L::Misc, kMiscSmallAm), Img(L::MS, kBlankDigit), Img(L::MS, 9),
                                                Img(L::Misc, kMiscSmallBlankColon), Img(L::MS, 4), Img(L::MS, 5)}));
  // A repaint leaves the colon to the tick.
  p = PlanRepaint(At(23, 0), k24, DisplayMode::Small);
  EXPECT_EQ(ReadTimeLine(p), (std::vector<Seen>{Img(L::Misc, kMiscSmallBlankMarker), Img(L::MS, 2), Img(L::MS, 3),
                                                kNothing, Img(L::MS, 0), Img(L::MS, 0)}));
  p = PlanRepaint(At(0, 0), k12, DisplayMode::Small);
  EXPECT_EQ(ReadTimeLine(p)[1], Img(L::MS, 1));
  EXPECT_EQ(ReadTimeLine(p)[2], Img(L::MS, 2));
}

TEST(FacePlan, EveryPlanOfADayStaysInItsListsAndCells) {
  for (int mode = 0; mode < 2; ++mode)
    for (int flags = 0; flags < 8; ++flags)
      for (int h = 0; h < 24; ++h)
        for (int m = 0; m < 60; m += 7) {
          const FaceSettings s = {bool(flags & 1), bool(flags & 2), bool(flags & 4)};
          const auto dm = DisplayMode(mode);
          FacePlan p = PlanRepaint(At(h, m, m, 1 + (h + m) % 31, 1 + m % 7), s, dm);
          if (dm == DisplayMode::Small) PlanBlinkColon(p, flags & 1);
          ASSERT_LT(p.Count, FacePlan::kMaxSteps);
          for (const DrawStep& st : p) {
            ASSERT_LT(st.Index, ImageCount(st.List));
            const PanelRect r = CellRect(st.Target, dm);
            const ImageSize size = ImageSizeOf(st.List, st.Index);
            EXPECT_TRUE(st.X < r.Width && st.Y < r.Height && st.X + size.Width > 0 && st.Y + size.Height > 0);
            const CellInfo& c = CellOf(st.Target);
            EXPECT_TRUE(dm == DisplayMode::Small ? c.ShownSmall : c.ShownBig) << c.Name;
          }
        }
}

}  // namespace
}  // namespace orlavox

namespace orlavox {
namespace {

// A tick that only changes the second draws the units digit, and the tens
// digit only when it changes too (or nobody knows what the face shows).
TEST(FacePlan, ASecondsTickDrawsOnlyTheDigitsThatChange) {
  FacePlan p;
  PlanUpdateSeconds(p, At(10, 20, 37), 36);
  ASSERT_EQ(p.Count, 1u);
  EXPECT_EQ(p.Steps[0].Target, Cell::Sec2);
  EXPECT_EQ(p.Steps[0].Index, 7);
  EXPECT_EQ(p.Steps[0].List, ImageList::Sec);
  EXPECT_EQ(p.Hour1, Visibility::Unchanged);
  for (int shown : {29, 59, 37 + 60, -1}) {  // tens changed, a minute's turn, nonsense, unknown
    FacePlan q;
    PlanUpdateSeconds(q, At(10, 20, shown == 59 ? 0 : 37), shown);
    ASSERT_EQ(q.Count, 2u) << shown;
    EXPECT_EQ(q.Steps[0].Target, Cell::Sec1);
    EXPECT_EQ(q.Steps[1].Target, Cell::Sec2);
  }
}

}  // namespace
}  // namespace orlavox
