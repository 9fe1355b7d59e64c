/*
 * Orlavox voice plug-ins.
 *
 * A voice is a 32-bit Windows DLL in the "voice" folder beside Orlavox.exe,
 * named after its language and speaker: "German (male).dll". The clock lists
 * the folder in its language menu (file name without ".dll"), loads the chosen
 * voice with LoadLibraryW and looks up one export:
 *
 *     void __stdcall Speak(void);
 *
 * exported under the plain name "Speak" (not "_Speak@0" or "Speak@0"; with
 * MinGW use a .def file: "EXPORTS Speak = Speak@0").
 *
 * Speak says the current local time aloud and returns when the speech has
 * been heard. The clock passes nothing and reads nothing back: the voice
 * reads the time itself. Every call, the alarm's announcement too, comes
 * from a short-lived worker thread of its own, never from the clock's window
 * thread: calls never overlap, but no two come from the same thread, so keep
 * no thread-bound state between them. The alarm starts its sound when Speak
 * has returned, or after 8 seconds when it has not. With no sound device,
 * return at once.
 *
 * The voice must not need any DLL beyond those of Windows itself, and nothing
 * of a C or C++ runtime crosses the call: no allocations, handles or
 * exceptions leave Speak.
 */
#ifndef ORLAVOX_VOICE_H
#define ORLAVOX_VOICE_H

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32) && !defined(_WIN64)
#define ORLAVOX_VOICE_CALL __stdcall
#else
#define ORLAVOX_VOICE_CALL
#endif

/* The name GetProcAddress looks up. */
#define ORLAVOX_SPEAK_EXPORT "Speak"

/* The type of the Speak export, for hosts. */
typedef void(ORLAVOX_VOICE_CALL* OrlavoxSpeakProc)(void);

/* Implemented by every voice. */
void ORLAVOX_VOICE_CALL Speak(void);

#ifdef __cplusplus
}
#endif

#endif /* ORLAVOX_VOICE_H */
