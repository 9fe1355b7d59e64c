// The voices' clips: what the build's encoder makes of PCM and what the
// voices' decoder makes of that again.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "speech/voices/clip_codec.h"
#include "tools/voice_clips/clip_encoder.h"

namespace orlavox {
namespace {

std::vector<int16_t> Decode(const std::vector<uint8_t>& clip) {
  std::vector<int16_t> out(ClipSampleCount(clip.data(), clip.size()));
  if (DecodeClip(clip.data(), clip.size(), out.data()) != out.size()) out.clear();
  return out;
}

double SnrDb(const std::vector<int16_t>& reference, const std::vector<int16_t>& decoded) {
  double signal = 0, noise = 0;
  for (size_t i = 0; i < reference.size(); ++i) {
    signal += double(reference[i]) * reference[i];
    noise += (double(decoded[i]) - reference[i]) * (double(decoded[i]) - reference[i]);
  }
  return 10 * std::log10(signal / std::max(noise, 1.0));
}

// Something like a word: gliding partials under a swelling envelope with a
// burst of noise, then `silence` zeros.
std::vector<int16_t> Word(size_t sounding, size_t silence) {
  std::vector<int16_t> s(sounding + silence, 0);
  unsigned noise = 1;
  for (size_t i = 0; i < sounding; ++i) {
    const double t = double(i) / 16000, envelope = 0.2 + 0.8 * std::sin(3.14159 * double(i) / double(sounding));
    noise = noise * 1103515245 + 12345;
    const double burst = i > sounding / 2 && i < sounding * 3 / 5 ? int(noise >> 16) % 4000 - 2000 : 0;
    s[i] = int16_t(envelope * (9000 * std::sin(2 * 3.14159 * (180 + 60 * t) * t) +
                               5000 * std::sin(2 * 3.14159 * 1300 * t) + 2000 * std::sin(2 * 3.14159 * 3100 * t)) +
                   burst);
  }
  return s;
}

TEST(VoiceClips, DecodeCloseToThePcmTheyWereMadeOfWithTheirSilenceStoredAsACount) {
  // Whole blocks, and last blocks of one, two, three and many samples.
  for (size_t sounding : {size_t(1500), size_t(1501), size_t(1502), size_t(1503), size_t(7777)}) {
    SCOPED_TRACE(sounding);
    const std::vector<int16_t> pcm = Word(sounding, 480);
    const std::vector<uint8_t> clip = voice_clips::EncodeClip(pcm);
    EXPECT_EQ(clip.size(), kClipHeaderBytes + ClipCodedBytes(sounding));
    EXPECT_LT(double(clip.size()), 0.53 * double(sounding) + 300);  // about four bits a sample
    const std::vector<int16_t> decoded = Decode(clip);
    ASSERT_EQ(decoded.size(), pcm.size());
    EXPECT_GT(SnrDb(pcm, decoded), 20.0);
    EXPECT_EQ(std::vector<int16_t>(decoded.end() - 480, decoded.end()), std::vector<int16_t>(480, 0));
    if (sounding % kClipSamplesPerBlock == 1 || sounding % kClipSamplesPerBlock == 2) {
      EXPECT_EQ(decoded[sounding - 1], pcm[sounding - 1]) << "from the last block's header";
    }
  }
}

TEST(VoiceClips, DamagedClipsDecodeToNothing) {
  std::vector<uint8_t> clip = voice_clips::EncodeClip(Word(1200, 100));
  ASSERT_EQ(Decode(clip).size(), 1300u);
  std::vector<uint8_t> shortened(clip.begin(), clip.end() - 1), longer(clip);
  longer.push_back(0);
  EXPECT_EQ(ClipSampleCount(shortened.data(), shortened.size()), 0u);
  EXPECT_EQ(ClipSampleCount(longer.data(), longer.size()), 0u);
  EXPECT_EQ(ClipSampleCount(clip.data(), 7), 0u);
  EXPECT_EQ(ClipSampleCount(nullptr, 0), 0u);
  clip[kClipHeaderBytes + kClipBlockBytes] = 7;  // the second block names no predictor
  EXPECT_TRUE(Decode(clip).empty());
}

// A clip of `coded` samples whose blocks start at 0 with the smallest step
// and hold nothing but `codes`, then `silence` zeros.
std::vector<uint8_t> Uniform(uint32_t coded, uint32_t silence, uint8_t codes) {
  std::vector<uint8_t> clip(kClipHeaderBytes + ClipCodedBytes(coded), codes);
  for (int i = 0; i < 4; ++i) clip[i] = uint8_t(coded >> 8 * i), clip[4 + i] = uint8_t(silence >> 8 * i);
  for (size_t at = kClipHeaderBytes; at < clip.size(); at += kClipBlockBytes) {
    const uint8_t header[kClipBlockHeaderBytes] = {0, 16, 0, 0, 0, 0, 0};
    std::copy(header, header + kClipBlockHeaderBytes, clip.begin() + long(at));
  }
  return clip;
}

TEST(VoiceClips, StayWithinTheLongestClipAndSixteenBitsWhateverTheirCodes) {
  // Each code -8 triples the step: it stops at the largest a block header can
  // hold, and the samples at the bottom of the range.
  const std::vector<int16_t> falling = Decode(Uniform(2 * kClipSamplesPerBlock, 0, 0x88));
  ASSERT_EQ(falling.size(), 2 * kClipSamplesPerBlock);
  EXPECT_EQ(falling[kClipSamplesPerBlock - 1], -32768);
  EXPECT_EQ(falling.back(), -32768);
  // Codes 7 and -8 by turns swing from one end of the range to the other.
  const std::vector<int16_t> swinging = Decode(Uniform(kClipSamplesPerBlock, 0, 0x78));
  ASSERT_EQ(swinging.size(), kClipSamplesPerBlock);
  EXPECT_EQ(swinging[swinging.size() - 2], 32767);
  EXPECT_EQ(swinging.back(), -32768);

  EXPECT_EQ(Decode(Uniform(kClipMaxCodedSamples, kClipMaxSilenceSamples, 0x11)).size(),
            kClipMaxCodedSamples + kClipMaxSilenceSamples);
  EXPECT_TRUE(Decode(Uniform(kClipMaxCodedSamples + 1, 0, 0x11)).empty());
  EXPECT_TRUE(Decode(Uniform(100, kClipMaxSilenceSamples + 1, 0x11)).empty());
}

TEST(VoiceClips, StartOneMillisecondBeforeTheirFirstAudibleSample) {
  std::vector<int16_t> pcm(400, 200);
  pcm.push_back(-voice_clips::kAudibleLevel);
  pcm.push_back(1000);
  const std::vector<int16_t> trimmed = voice_clips::TrimLeadingSilence(pcm);
  ASSERT_EQ(trimmed.size(), voice_clips::kOnsetSamples + 2);
  EXPECT_EQ(trimmed[voice_clips::kOnsetSamples], -voice_clips::kAudibleLevel);
  const std::vector<int16_t> early(pcm.begin() + 390, pcm.end()), quiet(50, 100);
  EXPECT_EQ(voice_clips::TrimLeadingSilence(early), early);
  EXPECT_EQ(voice_clips::TrimLeadingSilence(quiet), quiet);
}

}  // namespace
}  // namespace orlavox
