#include "shell/tray_icon_image.h"

#include "display/art/scaled_art.h"
#include "resources/resource_ids.h"
#include "shell/tray_hands.h"

namespace orlavox {
namespace {

constexpr int kIconSize = 16;
constexpr COLORREF kTransparentGreen = RGB(0, 128, 0);
constexpr uint32_t kTransparentGreenPixel = 0x008000;  // the same in a 32-bit DIB, 0x00RRGGBB

// An icon of a picture with alpha: icons keep their colour straight, the
// picture premultiplied.
UniqueIcon IconOf(const Picture& p) {
  void* bits = nullptr;
  UniqueBitmap colour = CreateDib32(p.Width, p.Height, &bits);
  UniqueBitmap mask(CreateBitmap(p.Width, p.Height, 1, 1, nullptr));
  if (!colour || !bits || !mask || p.Bgra.size() != size_t(p.Width) * size_t(p.Height) * 4) return {};
  auto* out = static_cast<uint8_t*>(bits);
  for (size_t i = 0; i < p.Bgra.size(); i += 4) {
    const unsigned a = p.Bgra[i + 3];
    for (int c = 0; c < 3; ++c) out[i + c] = a ? uint8_t((p.Bgra[i + c] * 255 + a / 2) / a) : 0;
    out[i + 3] = uint8_t(a);
  }
  ICONINFO info{TRUE, 0, 0, mask.Get(), colour.Get()};
  return UniqueIcon(CreateIconIndirect(&info));
}

}  // namespace

UniqueIcon MakeProgramIcon(HINSTANCE module, int size) {
  if (size != 32) return IconOf(artgen::ProgramIconAt(size));
  return UniqueIcon(static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
}

UniqueIcon MakeTrayIcon(HINSTANCE module, int hour, int minute, int size) {
  if (size != kIconSize && size > 0) return IconOf(artgen::TrayClockAt(size, hour, minute));
  // Icons from LoadIcon are shared and stay with the module: not destroyed here.
  HICON dial = LoadIconA(module, MAKEINTRESOURCEA(IDI_TRAY_DIAL));
  // A top-down DIB section keeps the green exact whatever the screen's colour
  // depth, so the mask below finds every pixel of it, row by row.
  void* bits = nullptr;
  UniqueBitmap face = CreateDib32(kIconSize, kIconSize, &bits);
  MemoryDc dc;
  UniquePen pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  UniqueBrush green(CreateSolidBrush(kTransparentGreen));
  if (!dial || !face || !bits || !dc || !pen || !green) return {};
  {
    SelectGuard selectFace(dc.Get(), face.Get());
    SelectGuard selectPen(dc.Get(), pen.Get());
    if (!selectFace.Ok() || !selectPen.Ok()) return {};
    const RECT all = {0, 0, kIconSize, kIconSize};
    FillRect(dc.Get(), &all, green.Get());
    if (!DrawIconEx(dc.Get(), 0, 0, dial, kIconSize, kIconSize, 0, nullptr, DI_NORMAL)) return {};
    // LineTo leaves each end point itself unpainted.
    const TrayHands hands = TrayHandEnds(hour, minute);
    MoveToEx(dc.Get(), kTrayDialCentre.X, kTrayDialCentre.Y, nullptr);
    LineTo(dc.Get(), hands.HourEnd.X, hands.HourEnd.Y);
    MoveToEx(dc.Get(), kTrayDialCentre.X, kTrayDialCentre.Y, nullptr);
    LineTo(dc.Get(), hands.MinuteEnd.X, hands.MinuteEnd.Y);
  }  // the face must leave the DC before the icon takes it
  GdiFlush();
  // The green is clear: set in the mask and black in the picture, whose other
  // pixels carry no alpha, so the mask alone says what shows.
  uint8_t maskBits[kIconSize * kIconSize / 8] = {};  // rows of 16 pixels: two bytes, word-aligned
  auto* px = static_cast<uint32_t*>(bits);
  for (int i = 0; i < kIconSize * kIconSize; ++i) {
    px[i] &= 0xFFFFFF;
    if (px[i] != kTransparentGreenPixel) continue;
    px[i] = 0;
    maskBits[i / 8] |= uint8_t(0x80 >> (i % 8));
  }
  UniqueBitmap mask(CreateBitmap(kIconSize, kIconSize, 1, 1, maskBits));
  if (!mask) return {};
  ICONINFO info{TRUE, 0, 0, mask.Get(), face.Get()};
  return UniqueIcon(CreateIconIndirect(&info));
}

}  // namespace orlavox
