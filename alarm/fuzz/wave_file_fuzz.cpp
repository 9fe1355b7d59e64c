// libFuzzer target: whatever bytes a wave file holds, the image made of them
// is one the platform's player can walk without leaving it (every chunk and
// every size it states inside the image, a format it can use, whole blocks of
// data), or the bytes are refused and left as they were.
#include <cstdint>
#include <cstring>
#include <string>

#include "alarm/wave_file_check.h"

using namespace orlavox;

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}
uint32_t U16(const std::string& b, size_t at) { return uint32_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }
uint32_t U32(const std::string& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file(reinterpret_cast<const char*>(data), size);
  std::string image = file;
  if (!MakeWaveImageSafe(image)) {
    Check(image == file);
    return 0;
  }
  // The player's walk: the RIFF chunk, then "fmt " and "data" found among its chunks.
  Check(image.size() >= 12 && image.compare(0, 4, "RIFF") == 0 && image.compare(8, 4, "WAVE") == 0);
  Check(U32(image, 4) == image.size() - 8);
  size_t fmt = 0, fmtSize = 0, dataSize = 0;
  for (size_t at = 12; at < image.size(); at += 8 + U32(image, at + 4) + (U32(image, at + 4) & 1)) {
    Check(at + 8 <= image.size());
    const size_t declared = U32(image, at + 4);
    Check(declared <= image.size() - at - 8);
    if (image.compare(at, 4, "fmt ") == 0) fmt = at + 8, fmtSize = declared;
    if (image.compare(at, 4, "data") == 0) {
      Check(fmt != 0 && dataSize == 0);  // the format comes first, and one data chunk
      dataSize = declared;
    }
  }
  Check(fmtSize >= 16 && dataSize > 0);
  const uint32_t channels = U16(image, fmt + 2), rate = U32(image, fmt + 4), bytesPerSecond = U32(image, fmt + 8),
                 blockAlign = U16(image, fmt + 12);
  Check(channels && rate && blockAlign && bytesPerSecond && bytesPerSecond <= kMaxWaveBytesPerSecond);
  Check(dataSize % blockAlign == 0);
  if (U16(image, fmt) != 1) Check(fmtSize >= 18 && 18 + U16(image, fmt + 16) <= fmtSize);
  // What was kept is the file's own: the data ends the image, as found in the file.
  Check(file.find(image.substr(image.size() - dataSize)) != std::string::npos);
  return 0;
}
