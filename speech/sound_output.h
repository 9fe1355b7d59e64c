#pragma once
// The system's sound output, readied before the first phrase.
#include <windows.h>

namespace orlavox {

// The first opening of a wave device in a process loads the audio engine and
// lists the endpoints, which takes some tens of milliseconds; made once here,
// after start-up, the audio endpoint enumerator leaves that done, and the
// first press of the hot key is heard as soon as every later one. The
// enumerator is let go again at once: the engine stays loaded. Needs COM on
// the calling thread. False when the system has no audio engine to ready.
bool PrepareSoundOutput();

}  // namespace orlavox
