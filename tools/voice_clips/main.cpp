// voice_clips <language>: one line a clip, "<resource id>\t<key>\t<text>",
// in the order of the language's clip table.
#include <cstdio>

#include "speech/phrases/phrase.h"
#include "speech/voices/clip_resources.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: voice_clips <language>\n");
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
