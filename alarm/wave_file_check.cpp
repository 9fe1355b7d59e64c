#include "alarm/wave_file_check.h"

#include <algorithm>
#include <cstring>

namespace orlavox {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr size_t kRiffHeader = 12, kChunkHeader = 8;

uint32_t Read16(const std::string& b, size_t at) { return uint32_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }
uint32_t Read32(const std::string& b, size_t at) { return Read16(b, at) | Read16(b, at + 2) << 16; }
void Write32(std::string& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + size_t(i)] = char(v >> (8 * i) & 0xFF);
}
bool IsTag(const std::string& b, size_t at, const char* tag) { return std::memcmp(b.data() + at, tag, 4) == 0; }

struct Span {
  size_t At = 0, Size = 0;
  bool Found = false;
};

// The length of the format the player needs, or 0 when it is not one it can use safely.
size_t UsableFormat(const std::string& b, const Span& fmt) {
  if (fmt.Size < 16) return 0;
  const size_t at = fmt.At;
  const uint32_t tag = Read16(b, at), channels = Read16(b, at + 2), rate = Read32(b, at + 4),
                 bytesPerSecond = Read32(b, at + 8), blockAlign = Read16(b, at + 12);
  if (channels == 0 || rate == 0 || blockAlign == 0 || bytesPerSecond == 0 || bytesPerSecond > kMaxWaveBytesPerSecond)
    return 0;
  if (tag == kFormatPcm) return 16;
  // Any other format is read with its extra bytes, as many as it says.
  if (fmt.Size < 18) return 0;
  const size_t needed = 18 + Read16(b, at + 16);
  return needed <= fmt.Size ? needed : 0;
}

}  // namespace

bool MakeWaveImageSafe(std::string& bytes) {
  const size_t size = bytes.size();
  if (size < kRiffHeader || !IsTag(bytes, 0, "RIFF") || !IsTag(bytes, 8, "WAVE")) return false;
  Span fmt, data;
  for (size_t at = kRiffHeader; at + kChunkHeader <= size && !(fmt.Found && data.Found);) {
    const size_t body = at + kChunkHeader, left = size - body, declared = Read32(bytes, at + 4);
    if (!data.Found && IsTag(bytes, at, "data")) data = {body, std::min(declared, left), true};
    if (!fmt.Found && IsTag(bytes, at, "fmt ")) {
      if (declared > left) return false;
      fmt = {body, declared, true};
    }
    if (declared > left) break;  // nothing after this chunk can be found
    at = body + declared + (declared & 1);  // an odd chunk is followed by a pad byte
  }
  if (!fmt.Found || !data.Found) return false;
  const size_t fmtSize = UsableFormat(bytes, fmt);
  if (fmtSize == 0) return false;
  const size_t dataSize = data.Size - data.Size % Read16(bytes, fmt.At + 12);
  if (dataSize == 0) return false;

  // In place, in canonical order; the format is small and goes aside first,
  // as the data may have to move over it (or, with the data first, to the right).
  const std::string format = bytes.substr(fmt.At, fmtSize);
  const size_t fmtEnd = kRiffHeader + kChunkHeader + fmtSize + (fmtSize & 1);
  const size_t total = fmtEnd + kChunkHeader + dataSize;
  if (total > size) bytes.resize(total);
  std::memmove(&bytes[fmtEnd + kChunkHeader], bytes.data() + data.At, dataSize);
  bytes.resize(total);
  Write32(bytes, 4, uint32_t(total - 8));
  std::memcpy(&bytes[kRiffHeader], "fmt ", 4);
  Write32(bytes, kRiffHeader + 4, uint32_t(fmtSize));
  std::memcpy(&bytes[kRiffHeader + kChunkHeader], format.data(), fmtSize);
  if (fmtSize & 1) bytes[fmtEnd - 1] = 0;
  std::memcpy(&bytes[fmtEnd], "data", 4);
  Write32(bytes, fmtEnd + 4, uint32_t(dataSize));
  return true;
}

}  // namespace orlavox
