#pragma once
// A voice's clip as it is stored, and its decoder (no Win32: the voices and
// the tests share it). A clip is
//   8-byte header: the samples coded in the blocks, then the samples of
//                  silence after them (each 32 bits, little-endian);
//   MS ADPCM blocks of kClipBlockBytes: a 7-byte header (predictor number,
//                  step, the block's second and first samples) and 4-bit
//                  codes, high nibble first; the last block ends after the
//                  byte that holds its last code.
// tools/voice_clips encodes clips with the alarm sounds' encoder.
#include <cstddef>
#include <cstdint>

#include "speech/voices/clip_resources.h"

namespace orlavox {

inline constexpr size_t kClipHeaderBytes = 8;
inline constexpr size_t kClipBlockBytes = 256;
inline constexpr size_t kClipBlockHeaderBytes = 7;
inline constexpr size_t kClipSamplesPerBlock = 2 + 2 * (kClipBlockBytes - kClipBlockHeaderBytes);  // 500

// The longest clip: ten seconds of sound and two of silence after it. A word
// or a short phrase takes one or two seconds; a header that says more is
// damaged, and the clip decodes to nothing rather than holding the speech
// worker and its buffer for minutes.
inline constexpr size_t kClipMaxCodedSamples = 10 * kClipSampleRate;
inline constexpr size_t kClipMaxSilenceSamples = 2 * kClipSampleRate;

// Bytes of the blocks that code `samples` samples.
size_t ClipCodedBytes(size_t samples);

// Samples the clip decodes to, its silence included; 0 when its size does not
// match its header.
size_t ClipSampleCount(const uint8_t* clip, size_t bytes);

// Decodes the clip into out, which has room for ClipSampleCount samples.
// Returns the samples written, 0 for a clip that is not well formed.
size_t DecodeClip(const uint8_t* clip, size_t bytes, int16_t* out);

}  // namespace orlavox
