// The alarm's built-in sounds as soundgen writes them: the wave-file layout
// the program embeds, and what a decoder makes of the MS ADPCM data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "tools/soundgen/alarm_synth.h"
#include "tools/soundgen/wave_image.h"

namespace {

struct Wave {
  std::vector<uint8_t> b;
  size_t fmt = 0, fact = 0, data = 0, dataSize = 0;
  std::string tags;  // the chunks' tags in order

  explicit Wave(std::vector<uint8_t> bytes) : b(std::move(bytes)) {
    for (size_t at = 12; at + 8 <= b.size(); at += 8 + U32(at + 4)) {
      const std::string tag(b.begin() + long(at), b.begin() + long(at) + 4);
      tags += tag + "|";
      (tag == "fmt " ? fmt : tag == "fact" ? fact : data) = at + 8;
      if (tag == "data") dataSize = U32(at + 4);
    }
  }
  uint32_t U16(size_t at) const { return at + 2 <= b.size() ? uint32_t(b[at] | b[at + 1] << 8) : 0xFFFFFFFF; }
  uint32_t U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }
  int I16(size_t at) const { return int16_t(uint16_t(U16(at))); }

  // Decoded from the format's description: 1024-byte blocks of a header
  // (predictor, step, second sample, first sample) and 4-bit codes, high
  // nibble first; the predictors as the "fmt " chunk lists them.
  std::vector<int> Decode() const {
    static const int adapt[16] = {230, 230, 230, 230, 307, 409, 512, 614, 768, 614, 512, 409, 307, 230, 230, 230};
    std::vector<int> out;
    for (size_t block = data; block + 1024 <= data + dataSize; block += 1024) {
      const size_t p = std::min<size_t>(b[block], 7);
      const int c1 = I16(fmt + 22 + 4 * p), c2 = I16(fmt + 24 + 4 * p);
      int step = I16(block + 1), s1 = I16(block + 3), s2 = I16(block + 5);
      out.insert(out.end(), {s2, s1});
      for (size_t i = 0; i < 2034; ++i) {
        const int nibble = i % 2 ? b[block + 7 + i / 2] & 15 : b[block + 7 + i / 2] >> 4;
        const int code = nibble >= 8 ? nibble - 16 : nibble;
        const int sample = std::clamp((s1 * c1 + s2 * c2) / 256 + code * step, -32768, 32767);
        out.push_back(sample);
        s2 = s1;
        s1 = sample;
        step = std::max(16, adapt[nibble] * step / 256);
      }
    }
    out.resize(std::min<size_t>(out.size(), U32(fact)));
    return out;
  }
};

double SnrDb(const std::vector<int16_t>& reference, const std::vector<int>& decoded) {
  double signal = 0, noise = 0;
  for (size_t i = 0; i < reference.size() && i < decoded.size(); ++i) {
    signal += double(reference[i]) * reference[i];
    noise += (double(decoded[i]) - reference[i]) * (double(decoded[i]) - reference[i]);
  }
  return 10 * std::log10(signal / std::max(noise, 1.0));
}

TEST(BuiltInSounds, AreWholeMsAdpcmWaveFilesOfTheirSizesThatDecodeToTheSynthesisedSound) {
  const struct {
    const char* Name;
    uint32_t Image, Data, Samples;
  } expected[] = {{"Yipe", 12378, 12288, 22848},
                  {"Lazer", 11354, 11264, 20928},
                  {"Whistle", 39002, 38912, 76224},
                  {"Fanfare", 58458, 58368, 114688}};
  const int predictors[14] = {256, 0, 512, -256, 0, 0, 192, 64, 240, 0, 460, -208, 392, -232};
  for (int i = 0; i < 4; ++i) {
    const auto& want = expected[i];
    SCOPED_TRACE(want.Name);
    const Wave w(soundgen::AlarmSoundImage(i));
    ASSERT_EQ(w.b.size(), want.Image);
    EXPECT_EQ(std::string(w.b.begin(), w.b.begin() + 4) + std::string(w.b.begin() + 8, w.b.begin() + 12), "RIFFWAVE");
    EXPECT_EQ(w.U32(4), want.Image - 8);
    ASSERT_EQ(w.tags, "fmt |fact|data|");
    EXPECT_EQ(w.U32(w.fmt - 4), 50u);
    EXPECT_EQ(w.U16(w.fmt), 2u);          // Microsoft ADPCM
    EXPECT_EQ(w.U16(w.fmt + 2), 1u);      // mono
    EXPECT_EQ(w.U32(w.fmt + 4), 44100u);  // samples a second
    EXPECT_EQ(w.U32(w.fmt + 8), 22179u);  // average bytes a second
    EXPECT_EQ(w.U16(w.fmt + 12), 1024u);  // block align
    EXPECT_EQ(w.U16(w.fmt + 14), 4u);     // bits a sample
    EXPECT_EQ(w.U16(w.fmt + 16), 32u);    // extra bytes
    EXPECT_EQ(w.U16(w.fmt + 18), 2036u);  // samples a block
    EXPECT_EQ(w.U16(w.fmt + 20), 7u);     // predictors
    for (size_t k = 0; k < 14; ++k) EXPECT_EQ(w.I16(w.fmt + 22 + 2 * k), predictors[k]) << k;
    EXPECT_EQ(w.U32(w.fact - 4), 4u);
    EXPECT_EQ(w.U32(w.fact), want.Samples);
    EXPECT_EQ(w.dataSize, want.Data);
    EXPECT_EQ(w.data + w.dataSize, w.b.size());

    const std::vector<int> decoded = w.Decode();
    const std::vector<int16_t> synthesised = soundgen::SynthesiseAlarmSound(i);
    ASSERT_EQ(decoded.size(), want.Samples);
    ASSERT_EQ(synthesised.size(), want.Samples);
    double power = 0;
    for (int s : decoded) power += double(s) * s;
    const double snr = SnrDb(synthesised, decoded), rms = std::sqrt(power / decoded.size());
    std::printf("[ measure  ] %s: %.2f s, SNR %.1f dB, RMS %.0f\n", want.Name, want.Samples / 44100.0, snr, rms);
    EXPECT_GT(snr, 20.0);
    EXPECT_GT(rms, 2000.0);
    EXPECT_EQ(soundgen::AlarmSoundImage(i), w.b) << "the same source gives the same bytes";
  }
}

// Full-scale jumps, which the synthesised sounds never make: the encoder must
// follow the decoder's clamping rather than wrap around.
TEST(BuiltInSounds, EncoderFollowsFullScaleJumps) {
  std::vector<int16_t> square(5000);
  for (size_t i = 0; i < square.size(); ++i) square[i] = (i / 220) % 2 ? 32767 : -32768;
  const double snr = SnrDb(square, Wave(soundgen::MsAdpcmWaveImage(square)).Decode());
  std::printf("[ measure  ] full-scale square wave: SNR %.1f dB\n", snr);
  EXPECT_GT(snr, 15.0);
}

}  // namespace
