#include "speech/voices/clip_codec.h"

#include <algorithm>

namespace orlavox {
namespace {

// The seven predictors of the format (weights of the last two samples, in
// 1/256) and how the step changes after each 4-bit code (in 1/256).
constexpr int kPredictors[7][2] = {{256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}};
constexpr int kStepAdaptation[16] = {230, 230, 230, 230, 307, 409, 512, 614, 768, 614, 512, 409, 307, 230, 230, 230};
// The step stays within what a block header can hold, as in other decoders
// of the format: samples and step of 16 bits times weights and adaptations
// under 4 (1024/256) keep every sum far inside int.
constexpr int kMinStep = 16;
constexpr int kMaxStep = 0x7FFF;

uint32_t U32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
int I16(const uint8_t* p) { return int16_t(uint16_t(p[0] | p[1] << 8)); }

}  // namespace

size_t ClipCodedBytes(size_t samples) {
  const size_t rest = samples % kClipSamplesPerBlock;
  return samples / kClipSamplesPerBlock * kClipBlockBytes +
         (rest == 0 ? 0 : kClipBlockHeaderBytes + (rest > 2 ? (rest - 1) / 2 : 0));
}

size_t ClipSampleCount(const uint8_t* clip, size_t bytes) {
  if (!clip || bytes < kClipHeaderBytes) return 0;
  const size_t coded = U32(clip), silence = U32(clip + 4);
  if (coded > kClipMaxCodedSamples || silence > kClipMaxSilenceSamples) return 0;
  if (bytes != kClipHeaderBytes + ClipCodedBytes(coded)) return 0;
  return coded + silence;
}

size_t DecodeClip(const uint8_t* clip, size_t bytes, int16_t* out) {
  const size_t total = ClipSampleCount(clip, bytes);
  if (total == 0) return 0;
  const size_t coded = U32(clip);
  const uint8_t* block = clip + kClipHeaderBytes;
  size_t n = 0;
  while (n < coded) {
    if (block[0] >= 7) return 0;
    const int first = kPredictors[block[0]][0], second = kPredictors[block[0]][1];
    int step = std::clamp(I16(block + 1), kMinStep, kMaxStep), s1 = I16(block + 3), s2 = I16(block + 5);
    const size_t samples = std::min(kClipSamplesPerBlock, coded - n);
    out[n++] = int16_t(s2);
    if (samples > 1) out[n++] = int16_t(s1);
    for (size_t i = 2; i < samples; ++i) {
      const uint8_t byte = block[kClipBlockHeaderBytes + (i - 2) / 2];
      const int nibble = i % 2 == 0 ? byte >> 4 : byte & 15;
      const int sample = std::clamp((s1 * first + s2 * second) / 256 + (nibble >= 8 ? nibble - 16 : nibble) * step,
                                    -32768, 32767);
      out[n++] = int16_t(sample);
      s2 = s1;
      s1 = sample;
      step = std::clamp(kStepAdaptation[nibble] * step / 256, kMinStep, kMaxStep);
    }
    block += kClipBlockBytes;
  }
  std::fill(out + coded, out + total, int16_t(0));
  return total;
}

}  // namespace orlavox
