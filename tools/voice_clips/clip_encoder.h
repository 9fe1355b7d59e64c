#pragma once
// Makes a voice's clip (speech/voices/clip_codec.h) from its 16-bit PCM.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace voice_clips {

// A sample this loud is heard (1 % of full scale): a clip starts at most
// kOnsetSamples before its first such sample.
constexpr int kAudibleLevel = 328;
constexpr size_t kOnsetSamples = 16;  // 1 ms at 16 kHz

// The samples without the silence that leads them.
std::vector<int16_t> TrimLeadingSilence(const std::vector<int16_t>& samples);

// The clip: the zeros that end the samples are stored as a count of
// silence, the rest as MS ADPCM blocks.
std::vector<uint8_t> EncodeClip(const std::vector<int16_t>& samples);

}  // namespace voice_clips
