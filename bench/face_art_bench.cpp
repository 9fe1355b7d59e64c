// What drawing the face's pictures costs at a display scale: the time and the
// peak of heap memory (counter peak_MB) of each group of pictures, and of the
// whole face drawn picture by picture as the image store asks for them, at
// face DPI 144, 288, 864 and 1440, and the same drawn the plain way (every
// pixel of every shape tested, the whole picture in doubles at once, as the
// drawing was before it skipped: plain:1) as the yardstick. Every operator
// new of this program is counted, so the peak is that of the drawing, its
// result included.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "display/art/raster.h"
#include "display/art/scaled_art.h"
#include "display/face_images.h"

namespace {

size_t gLive = 0, gPeak = 0;

void* Counted(size_t size) {
  // The size travels in front of the block, 16 bytes for the alignment.
  auto* block = static_cast<size_t*>(std::malloc(size + 16));
  if (!block) throw std::bad_alloc();
  *block = size;
  gLive += size;
  gPeak = std::max(gPeak, gLive);
  return reinterpret_cast<char*>(block) + 16;
}

void Uncounted(void* p) {
  if (!p) return;
  auto* block = reinterpret_cast<size_t*>(static_cast<char*>(p) - 16);
  gLive -= *block;
  std::free(block);
}

}  // namespace

void* operator new(size_t size) { return Counted(size); }
void* operator new[](size_t size) { return Counted(size); }
void operator delete(void* p) noexcept { Uncounted(p); }
void operator delete[](void* p) noexcept { Uncounted(p); }
void operator delete(void* p, size_t) noexcept { Uncounted(p); }
void operator delete[](void* p, size_t) noexcept { Uncounted(p); }

namespace orlavox {
namespace {

enum Group { kHrMin, kSec, kMS, kMiscSmall, kBigBackground, kSmallBackground, kWholeFace };

struct Item {
  ImageList List;
  int Index;
};

std::vector<Item> Pictures(int group) {
  std::vector<Item> items;
  for (int l = 0; l < kImageListCount; ++l)
    for (int i = 0; i < ImageCount(static_cast<ImageList>(l)); ++i) {
      const auto list = static_cast<ImageList>(l);
      const bool big = list == ImageList::Misc && i == kMiscBigBackground;
      const bool small = list == ImageList::Misc && i == kMiscSmallBackground;
      const int of = list == ImageList::Misc ? (big ? kBigBackground : small ? kSmallBackground : kMiscSmall) : l;
      if (group == kWholeFace || group == of) items.push_back({list, i});
    }
  return items;
}

// Pictures drawn one after another, each let go before the next, as the
// store copies each into a bitmap of its own.
void BM_FacePictures(benchmark::State& state) {
  const std::vector<Item> items = Pictures(int(state.range(0)));
  const int dpi = int(state.range(1));
  std::unique_ptr<artgen::PlainDrawing> plain;
  if (state.range(2)) plain = std::make_unique<artgen::PlainDrawing>();
  size_t peak = 0, pixels = 0;
  for (auto _ : state) {
    const size_t before = gLive;
    gPeak = gLive;
    pixels = 0;
    for (const Item& item : items) {
      const Picture p = artgen::FaceImageAt(item.List, item.Index, dpi);
      pixels += size_t(p.Width) * size_t(p.Height);
      benchmark::DoNotOptimize(p.Bgra.data());
    }
    peak = std::max(peak, gPeak - before);
  }
  state.counters["peak_MB"] = double(peak) / (1 << 20);
  state.counters["Mpixels"] = double(pixels) / 1e6;
}

void Groups(benchmark::internal::Benchmark* b) {
  b->ArgNames({"group", "dpi", "plain"});
  for (int plain : {0, 1})
    for (int dpi : {144, 288, 864, 1440})
      for (int g = kHrMin; g <= kWholeFace; ++g) b->Args({g, dpi, plain});
}
BENCHMARK(BM_FacePictures)->Apply(Groups)->Unit(benchmark::kMillisecond)->MinTime(0.2);

}  // namespace
}  // namespace orlavox
