#include "shell/tray_icon_image.h"

#include "display/art/scaled_art.h"
#include "resources/resource_ids.h"
#include "shell/tray_hands.h"

namespace orlavox {
namespace {

constexpr int kIconSize = 16;
constexpr COLORREF kTransparentGreen = RGB(0, 128, 0);

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

// The dial as image 0 of a list kept for the program's life: the icon is
// made anew every minute, the dial read and converted once.
HIMAGELIST DialImages(HINSTANCE module) {
  static HINSTANCE owner = nullptr;
  static UniqueImageList images;
  if (images && owner == module) return images.Get();
  images.Reset();
  // Icons from LoadIcon are shared and stay with the module: not destroyed here.
  HICON dial = LoadIconA(module, MAKEINTRESOURCEA(IDI_TRAY_DIAL));
  if (!dial) return nullptr;
  UniqueImageList made(ImageList_Create(kIconSize, kIconSize, ILC_COLOR24 | ILC_MASK, 2, 0));
  if (!made || ImageList_AddIcon(made.Get(), dial) != 0) return nullptr;
  images = std::move(made);
  owner = module;
  return images.Get();
}

// Image 1 of the list, the face of this minute, goes again when the icon is made.
struct RemoveFace {
  HIMAGELIST images;
  ~RemoveFace() {
    while (ImageList_GetImageCount(images) > 1) ImageList_Remove(images, 1);
  }
};

}  // namespace

UniqueIcon MakeProgramIcon(HINSTANCE module, int size) {
  if (size != 32) return IconOf(artgen::ProgramIconAt(size));
  return UniqueIcon(static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
}

UniqueIcon MakeTrayIcon(HINSTANCE module, int hour, int minute, int size) {
  if (size != kIconSize && size > 0) return IconOf(artgen::TrayClockAt(size, hour, minute));
  HIMAGELIST images = DialImages(module);
  if (!images) return {};
  const RemoveFace removeFace{images};

  // A DIB section keeps the green exact whatever the screen's colour depth,
  // so the mask below finds every pixel of it.
  void* bits = nullptr;
  UniqueBitmap face = CreateDib32(kIconSize, kIconSize, &bits);
  MemoryDc dc;
  UniquePen pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  UniqueBrush green(CreateSolidBrush(kTransparentGreen));
  if (!face || !dc || !pen || !green) return {};
  {
    SelectGuard selectFace(dc.Get(), face.Get());
    SelectGuard selectPen(dc.Get(), pen.Get());
    if (!selectFace.Ok() || !selectPen.Ok()) return {};
    const RECT all = {0, 0, kIconSize, kIconSize};
    FillRect(dc.Get(), &all, green.Get());
    if (!ImageList_Draw(images, 0, dc.Get(), 0, 0, ILD_NORMAL)) return {};
    // LineTo leaves each end point itself unpainted.
    const TrayHands hands = TrayHandEnds(hour, minute);
    MoveToEx(dc.Get(), kTrayDialCentre.X, kTrayDialCentre.Y, nullptr);
    LineTo(dc.Get(), hands.HourEnd.X, hands.HourEnd.Y);
    MoveToEx(dc.Get(), kTrayDialCentre.X, kTrayDialCentre.Y, nullptr);
    LineTo(dc.Get(), hands.MinuteEnd.X, hands.MinuteEnd.Y);
  }  // the face must leave the DC before the image list takes it
  if (ImageList_AddMasked(images, face.Get(), kTransparentGreen) != 1) return {};
  return UniqueIcon(ImageList_GetIcon(images, 1, ILD_NORMAL));
}

}  // namespace orlavox
