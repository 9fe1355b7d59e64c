// Test voice: logs "spoke" and returns at once.
#include "speech/plugin/orlavox_voice.h"
#include "speech/testplugins/test_log.h"

extern "C" void ORLAVOX_VOICE_CALL Speak(void) { orlavox::AppendTestLog("spoke"); }
