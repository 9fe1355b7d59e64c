#pragma once
// What the clock face draws: for each drawing operation of the main window
// (UpdateHours, UpdateMinutes, UpdateSeconds, UpdateDate, UpdateMiniTime and
// the small display's blinking colon) the images, in drawing order, that go
// into which cell at which point. Images are opaque and a later one overwrites
// an earlier one, so the order is part of the plan. Nothing here touches Win32:
// display/face_render.h draws a plan.
#include <array>
#include <cstddef>
#include <cstdint>

#include "display/face_images.h"
#include "display/face_layout.h"
#include "display/tick_time.h"

namespace orlavox {

// The settings the face reads.
struct FaceSettings {
  bool Hour24 = true;
  bool AlarmOn = false;
  bool AnnounceOn = false;
};

// One image of a list placed with its top-left corner at (X, Y) of a cell,
// clipped to the cell.
struct DrawStep {
  Cell Target;
  ImageList List;
  uint8_t Index;
  int16_t X;
  int16_t Y;
};

enum class Visibility : uint8_t { Unchanged, Show, Hide };

struct FacePlan {
  static constexpr size_t kMaxSteps = 32;
  std::array<DrawStep, kMaxSteps> Steps{};
  size_t Count = 0;
  // Hour1Paintbox is hidden in the 24-hour clock before 10 o'clock, so that no
  // leading zero shows and the background shows through.
  Visibility Hour1 = Visibility::Unchanged;

  void Add(Cell cell, ImageList list, uint8_t index, int x = 0, int y = 0) {
    if (Count < kMaxSteps) Steps[Count++] = DrawStep{cell, list, index, int16_t(x), int16_t(y)};
  }
  const DrawStep* begin() const { return Steps.data(); }
  const DrawStep* end() const { return Steps.data() + Count; }
};

// The hour as the 12-hour clock shows it: 0 -> 12 AM, 12 -> 12 PM, 13 -> 1 PM.
struct TwelveHour {
  uint8_t Hour;  // 1..12
  bool Pm;
};
TwelveHour ToTwelveHour(uint8_t hour);

// Each appends the steps of one drawing operation to `plan`.
void PlanUpdateHours(FacePlan& plan, const TickTime& t, const FaceSettings& s);
void PlanUpdateMinutes(FacePlan& plan, const TickTime& t);
// `shownSecond` is the second the cells show now (-1 when not known): the
// tens digit is drawn again only when it changes, once in ten seconds.
void PlanUpdateSeconds(FacePlan& plan, const TickTime& t, int shownSecond = -1);
void PlanUpdateDate(FacePlan& plan, const TickTime& t);
void PlanUpdateMiniTime(FacePlan& plan, const TickTime& t, const FaceSettings& s);
// The small display's colon, drawn by the tick once per change of second:
// the colon image when `colonOn`, else the blank colon.
void PlanBlinkColon(FacePlan& plan, bool colonOn);

// Everything a repaint of the current mode draws over the background:
// big display hours, minutes, seconds, date; small display the time line.
FacePlan PlanRepaint(const TickTime& t, const FaceSettings& s, DisplayMode mode);

}  // namespace orlavox
