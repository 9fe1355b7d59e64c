#include "alarm/wave_file_check.h"

#include <gtest/gtest.h>

#include <vector>

namespace orlavox {
namespace {

std::string U16(uint32_t v) { return {char(v & 0xFF), char(v >> 8 & 0xFF)}; }
std::string U32(uint32_t v) { return U16(v & 0xFFFF) + U16(v >> 16); }

struct Chunk {
  std::string Tag, Body;
  int64_t Declared = -1;  // the size the header states; -1: the body's
};

// A wave file of these chunks (each odd one padded), with the RIFF size it states.
std::string Wave(const std::vector<Chunk>& chunks, uint32_t riffSize = 0) {
  std::string b = "RIFF" + U32(riffSize) + "WAVE";
  for (const Chunk& c : chunks) {
    b += c.Tag + U32(uint32_t(c.Declared < 0 ? int64_t(c.Body.size()) : c.Declared)) + c.Body;
    if (c.Body.size() % 2) b += '\0';
  }
  return b;
}

// A "fmt " body: PCM by default, or any tag with the extra bytes given.
std::string Format(uint32_t channels, uint32_t blockAlign, uint32_t bytesPerSecond, uint32_t tag = 1,
                   const std::string& extra = "") {
  std::string f = U16(tag) + U16(channels) + U32(8000) + U32(bytesPerSecond) + U16(blockAlign) + U16(16);
  return tag == 1 ? f : f + U16(uint32_t(extra.size())) + extra;
}

TEST(WaveFileCheck, DamagedFilesBecomeCanonicalImagesOfWhatTheyHoldOrAreRefused) {
  const std::string pcm = Format(1, 2, 16000), samples = "abcdefgh";
  const std::string canonical = Wave({{"fmt ", pcm}, {"data", samples}}, 44);
  struct Case {
    const char* name;
    std::string file, image;  // image empty: refused
  };
  const Case cases[] = {
      {"whole", canonical, canonical},
      {"RIFF size beyond the file, other chunks left out",
       Wave({{"LIST", "abc"}, {"fmt ", pcm + U16(0)}, {"fact", U32(4)}, {"data", samples}}, 0xFFFFFFF0), canonical},
      {"data cut short, to whole blocks", Wave({{"fmt ", pcm}, {"data", samples + "ij", 4000}}).substr(0, 53), canonical},
      {"data before the format", Wave({{"data", samples}, {"fmt ", pcm}}), canonical},
      {"odd extra bytes of a compressed format, odd 8-bit data",
       Wave({{"fmt ", Format(1, 1, 8000, 2, "xyz")}, {"data", "pqr"}}),
       "RIFF" + U32(45) + "WAVE" + "fmt " + U32(21) + Format(1, 1, 8000, 2, "xyz") + '\0' + "data" + U32(3) + "pqr"},
      {"empty", "", ""},
      {"header only", "RIFF" + U32(4) + "WAVE", ""},
      {"not a wave", "RIFX" + canonical.substr(4), ""},
      {"no data", Wave({{"fmt ", pcm}}), ""},
      {"data of less than a block", Wave({{"fmt ", pcm}, {"data", "a"}}), ""},
      {"empty data", Wave({{"fmt ", pcm}, {"data", ""}}), ""},
      {"format beyond the file", Wave({{"data", samples}, {"fmt ", pcm, 400}}), ""},
      {"format behind data beyond the file", Wave({{"data", samples, 4000}, {"fmt ", pcm}}), ""},
      {"odd chunk without its pad byte", Wave({{"LIST", "abc"}}).substr(0, 23) + Wave({{"fmt ", pcm}, {"data", samples}}).substr(12), ""},
      {"no channels", Wave({{"fmt ", Format(0, 2, 16000)}, {"data", samples}}), ""},
      {"no block alignment", Wave({{"fmt ", Format(1, 0, 16000)}, {"data", samples}}), ""},
      {"no byte rate", Wave({{"fmt ", Format(1, 2, 0)}, {"data", samples}}), ""},
      {"absurd byte rate", Wave({{"fmt ", Format(1, 2, kMaxWaveBytesPerSecond + 1)}, {"data", samples}}), ""},
      {"format too short", Wave({{"fmt ", pcm.substr(0, 14)}, {"data", samples}}), ""},
      {"compressed format without its extra size", Wave({{"fmt ", U16(2) + pcm.substr(2)}, {"data", samples}}), ""},
      {"extra bytes beyond the format",
       Wave({{"fmt ", Format(1, 1, 8000, 2, "xy").replace(16, 2, U16(3))}, {"data", "pqr"}}), ""},
  };
  for (const Case& c : cases) {
    std::string bytes = c.file;
    EXPECT_EQ(MakeWaveImageSafe(bytes), !c.image.empty()) << c.name;
    EXPECT_EQ(bytes, c.image.empty() ? c.file : c.image) << c.name;
  }
}

}  // namespace
}  // namespace orlavox
