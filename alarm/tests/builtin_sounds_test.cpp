// The alarm's built-in sounds as soundgen writes them: the wave-file layout
// the program embeds, and what a decoder makes of the MS ADPCM data.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "tools/soundgen/alarm_synth.h"
#include "tools/soundgen/wave_image.h"

namespace {

struct Bytes {
  const std::vector<uint8_t>& b;
  uint32_t U16(size_t at) const { return at + 2 <= b.size() ? uint32_t(b[at] | b[at + 1] << 8) : 0xFFFFFFFF; }
  uint32_t U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }
  int I16(size_t at) const { return int16_t(uint16_t(U16(at))); }
  std::string Tag(size_t at) const { return at + 4 <= b.size() ? std::string(b.begin() + long(at), b.begin() + long(at) + 4) : ""; }
};

struct Chunk {
  std::string Tag;
  size_t Offset = 0, Size = 0;  // of the contents
};

std::vector<Chunk> Chunks(const Bytes& in) {
  std::vector<Chunk> chunks;
  for (size_t at = 12; at + 8 <= in.b.size();) {
    const Chunk c{in.Tag(at), at + 8, in.U32(at + 4)};
    chunks.push_back(c);
    at = c.Offset + c.Size + (c.Size & 1);
  }
  return chunks;
}

// A decoder written from the format's description: blocks of a header
// (predictor, step, second sample, first sample) and 4-bit codes, high nibble
// first; predictors from the "fmt " chunk.
std::vector<int> DecodeMsAdpcm(const Bytes& in, size_t data, size_t dataSize, int blockAlign, int samplesPerBlock,
                               size_t fmt, size_t samples) {
  static const int adapt[16] = {230, 230, 230, 230, 307, 409, 512, 614, 768, 614, 512, 409, 307, 230, 230, 230};
  std::vector<int> out;
  for (size_t block = data; block + size_t(blockAlign) <= data + dataSize && out.size() < samples;
       block += size_t(blockAlign)) {
    const int predictor = in.b[block];
    if (predictor > 6) return {};
    const int c1 = in.I16(fmt + 22 + 4 * size_t(predictor)), c2 = in.I16(fmt + 24 + 4 * size_t(predictor));
    int step = in.I16(block + 1), s1 = in.I16(block + 3), s2 = in.I16(block + 5);
    out.push_back(s2);
    out.push_back(s1);
    for (int i = 2; i < samplesPerBlock; ++i) {
      const int byte = in.b[block + 7 + size_t(i - 2) / 2];
      const int nibble = i % 2 == 0 ? byte >> 4 : byte & 15;
      const int code = nibble >= 8 ? nibble - 16 : nibble;
      const int sample = std::max(-32768, std::min(32767, (s1 * c1 + s2 * c2) / 256 + code * step));
      out.push_back(sample);
      s2 = s1;
      s1 = sample;
      step = std::max(16, adapt[nibble] * step / 256);
    }
  }
  if (out.size() > samples) out.resize(samples);
  return out;
}

double SnrDb(const std::vector<int16_t>& reference, const std::vector<int>& decoded) {
  double signal = 0, noise = 0;
  for (size_t i = 0; i < reference.size() && i < decoded.size(); ++i) {
    signal += double(reference[i]) * reference[i];
    noise += (double(decoded[i]) - reference[i]) * (double(decoded[i]) - reference[i]);
  }
  return 10 * std::log10(signal / std::max(noise, 1.0));
}

double Rms(const std::vector<int>& v) {
  double sum = 0;
  for (int s : v) sum += double(s) * s;
  return v.empty() ? 0 : std::sqrt(sum / double(v.size()));
}

struct Expected {
  const char* Name;
  size_t Image, Data, Blocks, Samples;
};
const Expected kExpected[] = {{"Yipe", 12378, 12288, 12, 22848},
                              {"Lazer", 11354, 11264, 11, 20928},
                              {"Whistle", 39002, 38912, 38, 76224},
                              {"Fanfare", 58458, 58368, 57, 114688}};

TEST(BuiltInSounds, AreWholeMsAdpcmWaveFilesOfTheirSizesThatDecodeToTheSynthesisedSound) {
  for (int i = 0; i < 4; ++i) {
    const Expected& want = kExpected[i];
    SCOPED_TRACE(want.Name);
    EXPECT_STREQ(soundgen::kAlarmSounds[i].Name, want.Name);
    const std::vector<uint8_t> image = soundgen::AlarmSoundImage(i);
    const Bytes in{image};
    ASSERT_EQ(image.size(), want.Image);
    EXPECT_EQ(in.Tag(0), "RIFF");
    EXPECT_EQ(in.U32(4), want.Image - 8);
    EXPECT_EQ(in.Tag(8), "WAVE");

    const std::vector<Chunk> chunks = Chunks(in);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].Tag, "fmt ");
    EXPECT_EQ(chunks[1].Tag, "fact");
    EXPECT_EQ(chunks[2].Tag, "data");
    EXPECT_EQ(chunks[2].Offset + chunks[2].Size, image.size());

    const size_t fmt = chunks[0].Offset;
    EXPECT_EQ(chunks[0].Size, 50u);
    EXPECT_EQ(in.U16(fmt), 2u);            // Microsoft ADPCM
    EXPECT_EQ(in.U16(fmt + 2), 1u);        // channels
    EXPECT_EQ(in.U32(fmt + 4), 44100u);    // samples a second
    EXPECT_EQ(in.U32(fmt + 8), 22179u);    // average bytes a second
    EXPECT_EQ(in.U16(fmt + 12), 1024u);    // block align
    EXPECT_EQ(in.U16(fmt + 14), 4u);       // bits a sample
    EXPECT_EQ(in.U16(fmt + 16), 32u);      // extra bytes
    EXPECT_EQ(in.U16(fmt + 18), 2036u);    // samples a block
    EXPECT_EQ(in.U16(fmt + 20), 7u);       // predictors
    const int standard[7][2] = {{256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}};
    for (size_t p = 0; p < 7; ++p) {
      EXPECT_EQ(in.I16(fmt + 22 + 4 * p), standard[p][0]) << "predictor " << p;
      EXPECT_EQ(in.I16(fmt + 24 + 4 * p), standard[p][1]) << "predictor " << p;
    }
    EXPECT_EQ(chunks[1].Size, 4u);
    EXPECT_EQ(in.U32(chunks[1].Offset), want.Samples);
    EXPECT_EQ(chunks[2].Size, want.Data);
    EXPECT_EQ(chunks[2].Size, want.Blocks * 1024);

    const std::vector<int> decoded =
        DecodeMsAdpcm(in, chunks[2].Offset, chunks[2].Size, 1024, 2036, fmt, in.U32(chunks[1].Offset));
    const std::vector<int16_t> synthesised = soundgen::SynthesiseAlarmSound(i);
    ASSERT_EQ(decoded.size(), want.Samples);
    ASSERT_EQ(synthesised.size(), want.Samples);
    const double snr = SnrDb(synthesised, decoded), rms = Rms(decoded);
    std::printf("[ measure  ] %s: %.2f s, SNR %.1f dB, RMS %.0f\n", want.Name, double(want.Samples) / 44100, snr, rms);
    EXPECT_GT(snr, 20.0);
    EXPECT_GT(rms, 2000.0);
    EXPECT_EQ(soundgen::AlarmSoundImage(i), image) << "the same source gives the same bytes";
  }
}

// Edges the synthesised sounds do not reach: lengths at a block's boundary,
// and full-scale jumps, where a decoder's clamping must not wrap around.
TEST(BuiltInSounds, EncoderFillsBlocksAndFollowsFullScaleJumps) {
  for (size_t n : {size_t(1), size_t(2036), size_t(2037)}) {
    const std::vector<uint8_t> image = soundgen::MsAdpcmWaveImage(std::vector<int16_t>(n, 1000));
    const Bytes in{image};
    const std::vector<Chunk> chunks = Chunks(in);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(in.U32(chunks[1].Offset), n);
    EXPECT_EQ(chunks[2].Size, n > 2036 ? 2048u : 1024u) << n;
  }
  std::vector<int16_t> square(5000);
  for (size_t i = 0; i < square.size(); ++i) square[i] = (i / 220) % 2 ? 32767 : -32768;
  const std::vector<uint8_t> image = soundgen::MsAdpcmWaveImage(square);
  const Bytes in{image};
  const std::vector<Chunk> chunks = Chunks(in);
  ASSERT_EQ(chunks.size(), 3u);
  const std::vector<int> decoded =
      DecodeMsAdpcm(in, chunks[2].Offset, chunks[2].Size, 1024, 2036, chunks[0].Offset, square.size());
  const double snr = SnrDb(square, decoded);
  std::printf("[ measure  ] full-scale square wave: SNR %.1f dB\n", snr);
  EXPECT_GT(snr, 15.0);
}

}  // namespace
