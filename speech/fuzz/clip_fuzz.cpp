// libFuzzer target: whatever a voice's clip holds, the decoder writes exactly
// the samples ClipSampleCount announced, or none, never more than the longest
// clip has, and computes them without overflow (UBSan) or stray reads (ASan).
#include <cstdint>
#include <memory>
#include <vector>

#include "speech/voices/clip_codec.h"

using namespace orlavox;

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> clip(data, data + size);
  // With the top bit of the coded count set, the count is made to fit the
  // size (where one does), so that most inputs reach the blocks.
  if (size >= kClipHeaderBytes + kClipBlockHeaderBytes && (data[3] & 0x80)) {
    const size_t bytes = size - kClipHeaderBytes, rest = bytes % kClipBlockBytes;
    if (rest == 0 || rest >= kClipBlockHeaderBytes) {
      const size_t tail = rest == 0 ? 0 : 2 * (rest - kClipBlockHeaderBytes) + 1 + (data[0] & 1);
      const size_t coded = bytes / kClipBlockBytes * kClipSamplesPerBlock + tail;
      for (int i = 0; i < 4; ++i) clip[i] = uint8_t(coded >> 8 * i);
    }
  }
  const size_t count = ClipSampleCount(clip.data(), clip.size());
  Check(count <= kClipMaxCodedSamples + kClipMaxSilenceSamples);
  // Exactly the room announced, left as it comes: ASan sees a write past it.
  const std::unique_ptr<int16_t[]> out(new int16_t[count]);
  const size_t written = DecodeClip(clip.data(), clip.size(), out.get());
  Check(written == count || written == 0);
  return 0;
}
