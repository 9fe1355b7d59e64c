#pragma once
// What every built-in voice does when asked to speak: compose the phrase for
// the local time, decode its clips (the DLL's RCDATA resources) into one
// buffer and play it on the default wave device, waiting until it is heard.
#include <windows.h>

#include "speech/phrases/phrase.h"

namespace orlavox {

// Plays 16-bit PCM in the clip format and returns once the device has played
// all of it (or after the play time and a margin, if the device stops
// answering). False when the device could not be opened.
bool PlayPcm(const void* samples, DWORD bytes);

// Silence that leads each phrase, the first thing the device is given.
inline constexpr unsigned kLeadInMs = 30;

// Says the current local time with the clips of module: kLeadInMs of
// silence, then the clips, which start where their sound starts. Returns at
// once without a wave output device.
void SpeakTimeFromClips(HMODULE module, Language language);

}  // namespace orlavox
