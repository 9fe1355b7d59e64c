#include "tools/soundgen/wave_image.h"

#include <string>

#include "tools/soundgen/ms_adpcm.h"

namespace soundgen {
namespace {

// The rate every sound of the clock declares. Players go by the block size
// and the sample rate, not by this figure.
constexpr uint32_t kDeclaredBytesPerSecond = 22179;
constexpr uint16_t kFormatMsAdpcm = 2;
constexpr uint32_t kFormatChunkBytes = 50;

class Writer {
 public:
  void Tag(const char* four) { bytes_.insert(bytes_.end(), four, four + 4); }
  void U16(uint32_t v) {
    bytes_.push_back(uint8_t(v & 0xFF));
    bytes_.push_back(uint8_t((v >> 8) & 0xFF));
  }
  void U32(uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void I16(int16_t v) { U16(uint16_t(v)); }
  void Bytes(const std::vector<uint8_t>& b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
  size_t Size() const { return bytes_.size(); }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace

std::vector<uint8_t> MsAdpcmWaveImage(const std::vector<int16_t>& samples) {
  const std::vector<uint8_t> data = EncodeMsAdpcm(samples);
  const uint32_t riffBytes = 4 + (8 + kFormatChunkBytes) + (8 + 4) + (8 + uint32_t(data.size()));

  Writer w;
  w.Tag("RIFF");
  w.U32(riffBytes);
  w.Tag("WAVE");

  w.Tag("fmt ");
  w.U32(kFormatChunkBytes);
  w.U16(kFormatMsAdpcm);
  w.U16(1);  // mono
  w.U32(kWaveSampleRate);
  w.U32(kDeclaredBytesPerSecond);
  w.U16(kAdpcmBlockBytes);
  w.U16(4);  // bits a sample
  w.U16(4 + 7 * 4);  // the extra bytes that follow
  w.U16(kAdpcmSamplesPerBlock);
  w.U16(7);
  for (const AdpcmCoefficients& c : kAdpcmPredictors) {
    w.I16(c.First);
    w.I16(c.Second);
  }

  w.Tag("fact");
  w.U32(4);
  w.U32(uint32_t(samples.size()));

  w.Tag("data");
  w.U32(uint32_t(data.size()));
  w.Bytes(data);
  return w.Take();
}

}  // namespace soundgen
