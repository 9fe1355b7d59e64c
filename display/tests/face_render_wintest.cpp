#include "display/face_render.h"

#include <gtest/gtest.h>

#include "display/tests/tick_time.h"

#include <cstdlib>

#include "display/tests/surface.h"

namespace orlavox {
namespace {

HINSTANCE Self() { return GetModuleHandleA(nullptr); }

// The expected face, composed from the store's own images placed at the panel
// positions of the face's layout, in the face's drawing order. Positions here
// are written out by hand, not read from the layout tables under test.
class Expected {
 public:
  explicit Expected(const TClockData& store, int w = 292, int h = 130) : store_(store), s_(w, h) {}
  Surface& Get() { return s_; }
  void Put(ImageList l, int i, int x, int y, RECT clip) {
    SavedDc saved(s_.Dc());
    IntersectClipRect(s_.Dc(), clip.left, clip.top, clip.right, clip.bottom);
    ASSERT_TRUE(store_.Draw(s_.Dc(), l, i, x, y));
  }
  void Background(int index) { Put(ImageList::Misc, index, 0, 0, {0, 0, 292, 130}); }

 private:
  const TClockData& store_;
  Surface s_;
};

constexpr RECT kHour1 = {21, 36, 52, 83}, kHour2 = {50, 36, 81, 83}, kCol = {81, 43, 90, 76},
               kMin1 = {92, 36, 123, 83}, kMin2 = {121, 36, 152, 83}, kSec1 = {153, 50, 175, 83},
               kSec2 = {173, 50, 195, 83}, kAP = {18, 46, 40, 79}, kMisc = {22, 14, 163, 35},
               kDate1 = {166, 16, 180, 37}, kDate2 = {180, 16, 194, 37}, kWeekday = {21, 82, 195, 96},
               kMT = {9, 10, 89, 31};

// What the big display should read, worked out by hand for each case.
struct BigView {
  int HourTens;   // HrMinList image in the tens cell, -1 when the cell is hidden
  int HourUnits;
  char AmPm;      // 0 in the 24-hour clock, else 'A' or 'P'
  int Min1, Min2, Sec1, Sec2;
  bool Alarm, Announce;
  int Date1, Date2;  // MSList images
  int Weekday;       // 1 = Sunday
};

void ComposeHours(Expected& e, const BigView& v) {
  using L = ImageList;
  if (v.AmPm == 0) {
    e.Put(L::Misc, 13, 18, 46, kAP);
    e.Put(L::Misc, 13, 18, 61, kAP);
    if (v.HourTens >= 0) e.Put(L::HrMin, v.HourTens, 21, 36, kHour1);
    e.Put(L::HrMin, v.HourUnits, 50, 36, kHour2);
  } else {
    e.Put(L::HrMin, v.HourTens, 21, 36, kHour1);
    e.Put(L::HrMin, v.HourUnits, 50, 36, kHour2);
    e.Put(L::Misc, v.AmPm == 'A' ? 7 : 14, 18, 46, kAP);
    e.Put(L::Misc, v.AmPm == 'A' ? 14 : 8, 18, 61, kAP);
  }
  if (v.Alarm) {
    e.Put(L::Misc, 10, 22, 20, kMisc);
  } else {
    e.Put(L::Misc, 14, 22, 20, kMisc);
    e.Put(L::Misc, 14, 28, 20, kMisc);
  }
  if (v.Announce) {
    e.Put(L::Misc, 9, 54, 16, kMisc);
  } else {
    e.Put(L::Misc, 14, 54, 16, kMisc);
    e.Put(L::Misc, 14, 54, 22, kMisc);
  }
  e.Put(L::Misc, 11, 81, 43, kCol);
  e.Put(L::Misc, 12, 137, 16, kMisc);
}

void ComposeDate(Expected& e, const BigView& v) {
  e.Put(ImageList::MS, v.Date1, 166, 16, kDate1);
  e.Put(ImageList::MS, v.Date2, 180, 16, kDate2);
  const int slots[8] = {0, 21, 46, 71, 96, 121, 146, 171};  // by weekday, 1 = Sunday
  e.Put(ImageList::Misc, 14, v.Weekday == 1 ? slots[7] : slots[v.Weekday - 1], 82, kWeekday);
  e.Put(ImageList::Misc, v.Weekday - 1, slots[v.Weekday], 82, kWeekday);
}

void ComposeBig(Expected& e, const BigView& v) {
  e.Background(15);
  ComposeHours(e, v);
  e.Put(ImageList::HrMin, v.Min1, 92, 36, kMin1);
  e.Put(ImageList::HrMin, v.Min2, 121, 36, kMin2);
  e.Put(ImageList::Sec, v.Sec1, 153, 50, kSec1);
  e.Put(ImageList::Sec, v.Sec2, 173, 50, kSec2);
  ComposeDate(e, v);
}

// Keeps a rendered face for looking at when ORLAVOX_FACE_DIR names a folder.
void MaybeSave(const Surface& s, const char* name) {
  if (const char* dir = std::getenv("ORLAVOX_FACE_DIR")) s.Save(std::string(dir) + "\\" + name + ".bmp");
}

class FaceRender : public ::testing::Test {
 protected:
  TClockData store{Self()};
};

TEST_F(FaceRender, FullRepaintsOfTheBigDisplay) {
  struct Case {
    const char* name;
    TickTime t;
    FaceSettings s;
    BigView v;
  } cases[] = {
      {"h24_0905", At(9, 5, 7, 5, 5), {true, false, false}, {-1, 9, 0, 0, 5, 0, 7, false, false, 10, 5, 5}},
      {"h24_1000", At(10, 0, 0, 10, 6), {true, true, true}, {1, 0, 0, 0, 0, 0, 0, true, true, 1, 0, 6}},
      {"h12_0030", At(0, 30, 59, 31, 7), {false, true, false}, {1, 2, 'A', 3, 0, 5, 9, true, false, 3, 1, 7}},
      {"h12_1200", At(12, 0, 0, 1, 1), {false, false, true}, {1, 2, 'P', 0, 0, 0, 0, false, true, 10, 1, 1}},
      {"h12_1305", At(13, 5, 30, 20, 2), {false, false, false}, {10, 1, 'P', 0, 5, 3, 0, false, false, 2, 0, 2}},
      {"h12_1000", At(10, 0, 0, 9, 3), {false, true, true}, {1, 0, 'A', 0, 0, 0, 0, true, true, 10, 9, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Surface actual(292, 130);
    ASSERT_TRUE(PaintFace(actual.Dc(), &store, c.t, c.s, DisplayMode::Big));
    Expected expected(store);
    ComposeBig(expected, c.v);
    EXPECT_EQ(FirstDifference(actual, expected.Get()), "");
    MaybeSave(actual, c.name);
  }
}

TEST_F(FaceRender, TickUpdatesOverAnEarlierFace) {
  // Saturday -> Sunday at midnight, then Sunday -> Monday.
  const BigView sat = {2, 3, 0, 5, 9, 5, 9, true, false, 3, 0, 7};
  Surface actual(292, 130);
  ASSERT_TRUE(PaintFace(actual.Dc(), &store, At(23, 59, 59, 30, 7), {true, true, false}, DisplayMode::Big));
  Expected expected(store);
  ComposeBig(expected, sat);
  ASSERT_EQ(FirstDifference(actual, expected.Get()), "");

  FacePlan sunday;
  PlanUpdateDate(sunday, At(0, 0, 0, 31, 1));
  ASSERT_TRUE(DrawPlan(actual.Dc(), sunday, &store, DisplayMode::Big));
  ComposeDate(expected, {0, 0, 0, 0, 0, 0, 0, false, false, 3, 1, 1});
  EXPECT_EQ(FirstDifference(actual, expected.Get()), "");
  EXPECT_EQ(actual.At(171 + 10, 88), 0xA5AD9Cu);  // Saturday's label is gone

  FacePlan monday;
  PlanUpdateDate(monday, At(0, 0, 0, 1, 2));
  ASSERT_TRUE(DrawPlan(actual.Dc(), monday, &store, DisplayMode::Big));
  ComposeDate(expected, {0, 0, 0, 0, 0, 0, 0, false, false, 10, 1, 2});
  EXPECT_EQ(FirstDifference(actual, expected.Get()), "");

  // The alarm switched off: the next drawing of the hours clears its indicator.
  FacePlan hours;
  PlanUpdateHours(hours, At(0, 0, 0, 1, 2), {true, false, false});
  ASSERT_TRUE(DrawPlan(actual.Dc(), hours, &store, DisplayMode::Big));
  ComposeHours(expected, {-1, 0, 0, 0, 0, 0, 0, false, false, 0, 0, 2});
  EXPECT_EQ(FirstDifference(actual, expected.Get()), "");
  MaybeSave(actual, "monday_alarm_off");
}

TEST_F(FaceRender, SmallDisplayTimeLineWithBlinkingColon) {
  Surface actual(150, 40);
  ASSERT_TRUE(PaintFace(actual.Dc(), &store, At(21, 7, 0, 1, 1), {false, true, true}, DisplayMode::Small));
  FacePlan colon;
  PlanBlinkColon(colon, true);
  ASSERT_TRUE(DrawPlan(actual.Dc(), colon, &store, DisplayMode::Small));

  Expected expected(store, 150, 40);
  expected.Put(ImageList::Misc, 16, 0, 0, {0, 0, 150, 40});
  expected.Put(ImageList::MS, 10, 17, 10, kMT);  // blank tens
  expected.Put(ImageList::MS, 9, 31, 10, kMT);
  expected.Put(ImageList::Misc, 18, 9, 10, kMT);  // PM marker
  expected.Put(ImageList::MS, 0, 51, 10, kMT);
  expected.Put(ImageList::MS, 7, 65, 10, kMT);
  expected.Put(ImageList::Misc, 20, 46, 10, kMT);  // colon
  EXPECT_EQ(FirstDifference(actual, expected.Get()), "");
  MaybeSave(actual, "small_2107");

  PlanBlinkColon(colon = {}, false);
  ASSERT_TRUE(DrawPlan(actual.Dc(), colon, &store, DisplayMode::Small));
  expected.Put(ImageList::Misc, 21, 46, 10, kMT);
  EXPECT_EQ(FirstDifference(actual, expected.Get()), "");
}

TEST_F(FaceRender, ImagesAreClippedToTheirCell) {
  // A large digit placed half outside the colon's cell touches nothing beyond it.
  Surface s(292, 130, 0x123456);
  FacePlan plan;
  plan.Add(Cell::Col, ImageList::HrMin, 8, -10, -5);
  ASSERT_TRUE(DrawPlan(s.Dc(), plan, &store, DisplayMode::Big));
  Surface whole(292, 130, 0x123456);  // the same digit unclipped: the part inside is its own
  ASSERT_TRUE(store.Draw(whole.Dc(), ImageList::HrMin, 8, 71, 38));
  int inside = 0;
  for (int y = 0; y < 130; ++y)
    for (int x = 0; x < 292; ++x) {
      const bool inCell = x >= 81 && x < 90 && y >= 43 && y < 76;
      const bool inImage = x >= 71 && x < 102 && y >= 38 && y < 85;
      if (inCell && inImage) {
        ASSERT_EQ(s.At(x, y), whole.At(x, y)) << x << "," << y;
        inside += s.At(x, y) != 0x123456;
      } else {
        ASSERT_EQ(s.At(x, y), 0x123456u) << x << "," << y;
      }
    }
  EXPECT_EQ(inside, 9 * 33);
}

TEST_F(FaceRender, NothingIsDrawnWithoutAStore) {
  Surface s(292, 130, 0x123456);
  const FacePlan plan = PlanRepaint(At(12, 0, 0, 1, 1), {}, DisplayMode::Big);
  EXPECT_FALSE(PaintFace(s.Dc(), nullptr, At(12, 0, 0, 1, 1), {}, DisplayMode::Big));
  TClockData empty(GetModuleHandleA("kernel32.dll"));
  EXPECT_FALSE(DrawPlan(s.Dc(), plan, &empty, DisplayMode::Big));
  for (uint32_t p : s.Pixels()) ASSERT_EQ(p, 0x123456u);
}

}  // namespace
}  // namespace orlavox
