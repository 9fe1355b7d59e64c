#include "tools/voice_clips/clip_encoder.h"

#include <cstdlib>

#include "speech/voices/clip_codec.h"
#include "tools/soundgen/ms_adpcm.h"

namespace voice_clips {

std::vector<int16_t> TrimLeadingSilence(const std::vector<int16_t>& samples) {
  size_t first = 0;
  while (first < samples.size() && std::abs(samples[first]) < kAudibleLevel) ++first;
  if (first == samples.size()) return samples;  // nothing heard: nothing to trim to
  const size_t from = first > kOnsetSamples ? first - kOnsetSamples : 0;
  return std::vector<int16_t>(samples.begin() + long(from), samples.end());
}

std::vector<uint8_t> EncodeClip(const std::vector<int16_t>& samples) {
  size_t coded = samples.size();
  while (coded > 0 && samples[coded - 1] == 0) --coded;
  const uint32_t header[2] = {uint32_t(coded), uint32_t(samples.size() - coded)};
  std::vector<uint8_t> clip;
  for (uint32_t v : header)
    for (int shift = 0; shift < 32; shift += 8) clip.push_back(uint8_t(v >> shift));
  const std::vector<uint8_t> blocks = soundgen::EncodeMsAdpcm(
      std::vector<int16_t>(samples.begin(), samples.begin() + long(coded)), int(orlavox::kClipBlockBytes));
  clip.insert(clip.end(), blocks.begin(), blocks.begin() + long(orlavox::ClipCodedBytes(coded)));
  return clip;
}

}  // namespace voice_clips
