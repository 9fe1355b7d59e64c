// voice_clips <language>: one line a clip, "<resource id>\t<key>\t<text>",
// in the order of the language's clip table.
// voice_clips encode <in.raw> <out.clip>: makes a clip of 16-bit PCM (raw,
// little-endian, mono), its leading silence trimmed.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "speech/phrases/phrase.h"
#include "speech/voices/clip_codec.h"
#include "speech/voices/clip_resources.h"
#include "tools/voice_clips/clip_encoder.h"

namespace {

int Encode(const char* in, const char* out) {
  std::ifstream raw(in, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(raw)), std::istreambuf_iterator<char>());
  if (!raw.is_open() || bytes.empty() || bytes.size() % 2 != 0) {
    std::fprintf(stderr, "voice_clips: cannot read 16-bit samples from %s\n", in);
    return 1;
  }
  std::vector<int16_t> samples(bytes.size() / 2);
  for (size_t i = 0; i < samples.size(); ++i)
    samples[i] = int16_t(uint8_t(bytes[2 * i]) | uint8_t(bytes[2 * i + 1]) << 8);
  const std::vector<int16_t> trimmed = voice_clips::TrimLeadingSilence(samples);
  const std::vector<uint8_t> clip = voice_clips::EncodeClip(trimmed);
  if (orlavox::ClipSampleCount(clip.data(), clip.size()) != trimmed.size()) {
    std::fprintf(stderr, "voice_clips: %s is longer than a voice plays (%zu s of sound, %zu s of silence after it)\n",
                 in, orlavox::kClipMaxCodedSamples / orlavox::kClipSampleRate,
                 orlavox::kClipMaxSilenceSamples / orlavox::kClipSampleRate);
    return 1;
  }
  std::ofstream file(out, std::ios::binary);
  file.write(reinterpret_cast<const char*>(clip.data()), long(clip.size()));
  if (!file.flush()) {
    std::fprintf(stderr, "voice_clips: cannot write %s\n", out);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "encode") == 0) return Encode(argv[2], argv[3]);
  if (argc != 2) {
    std::fprintf(stderr, "usage: voice_clips <language> | voice_clips encode <in.raw> <out.clip>\n");
    return 2;
  }
  const orlavox::LanguageRules* rules = orlavox::FindLanguage(argv[1]);
  if (!rules) {
    std::fprintf(stderr, "voice_clips: no phrase rules for \"%s\"\n", argv[1]);
    return 1;
  }
  for (int i = 0; i < rules->clipCount; ++i) {
    std::printf("%d\t%s\t%s\n", orlavox::kFirstClipResource + i, rules->clips[i].key, rules->clips[i].text);
  }
  return 0;
}
