// A built-in voice. The same source makes every one: the build names the
// language (ORLAVOX_VOICE_LANGUAGE) and links the speaker's clips in as
// resources.
#include <windows.h>

#include "speech/plugin/orlavox_voice.h"
#include "speech/voices/voice_runtime.h"

#ifndef ORLAVOX_VOICE_LANGUAGE
#error "Build a voice with ORLAVOX_VOICE_LANGUAGE set to a Language, e.g. German"
#endif

extern "C" IMAGE_DOS_HEADER __ImageBase;  // this DLL's own module

extern "C" void ORLAVOX_VOICE_CALL Speak(void) {
  orlavox::SpeakTimeFromClips(reinterpret_cast<HMODULE>(&__ImageBase), orlavox::Language::ORLAVOX_VOICE_LANGUAGE);
}
