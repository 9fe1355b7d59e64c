/*
 * Example (tones).dll - a complete Orlavox voice in plain C.
 *
 * It "says" the time in tones: the hour (1 to 12) as high tones, a pause,
 * then the tens of the minutes (0 to 5) as low tones. 7:42 is seven high
 * tones and four low ones; 12:05 is twelve high tones and nothing more.
 *
 * What every voice must do, and how this one does it:
 *   - Export one procedure, "Speak", under that plain name: example_voice.def
 *     does it for both MinGW and Microsoft's compiler.
 *   - Take no arguments, return nothing, use __stdcall (ORLAVOX_VOICE_CALL).
 *   - Read the time itself: the clock passes nothing (GetLocalTime below).
 *   - Return only when the sound has been heard: PlaySound with SND_SYNC
 *     waits. With no sound device, return at once.
 *   - Need no DLL beyond Windows' own, let no memory, handle or exception
 *     leave Speak: this file uses no C runtime function and no heap.
 *
 * The sound is a WAVE file built in memory (8000 samples a second, 8 bits,
 * mono) and played with PlaySound(SND_MEMORY). Note that PlaySound plays one
 * sound per program at a time: it would cut short an alarm sound the clock
 * is playing, and the clock's next alarm sound cuts this one short. The
 * voices shipped with the clock play through waveOut instead, which mixes.
 *
 * Build: build-mingw.sh (MinGW-w64) or build-msvc.bat (Visual C++).
 */
#include <windows.h>
#include <mmsystem.h>

#include "orlavox_voice.h"

#define RATE 8000                      /* samples a second */
#define SAMPLES(ms) ((ms) * RATE / 1000)
#define TONE_MS 150                    /* each tone ... */
#define GAP_MS 150                     /* ... and the silence after it */
#define PAUSE_MS 450                   /* between the hour and the minutes */
#define HIGH_HZ 880
#define LOW_HZ 440
#define MAX_TONES (12 + 5)
#define MAX_SAMPLES (MAX_TONES * SAMPLES(TONE_MS + GAP_MS) + SAMPLES(PAUSE_MS))

/* A whole WAVE file: the RIFF header, the format chunk, the data chunk.
 * Every field is naturally aligned, so the compiler adds no padding. Calls
 * of Speak never overlap, so one static buffer serves every call. */
static struct {
  DWORD riff, riffSize, wave;
  DWORD fmt, fmtSize;
  WORD format, channels;
  DWORD rate, bytesPerSecond;
  WORD blockAlign, bitsPerSample;
  DWORD data, dataSize;
  BYTE samples[MAX_SAMPLES];
} wav;

/* Writes ms milliseconds of a square wave of hz hertz (0: silence) from
 * sample `at` on and returns where it ended. The first and last 10 ms fade
 * in and out, so that the tones do not click. */
static DWORD AddTone(DWORD at, DWORD hz, DWORD ms) {
  const DWORD n = SAMPLES(ms), ramp = SAMPLES(10);
  DWORD i;
  for (i = 0; i < n && at < MAX_SAMPLES; ++i, ++at) {
    DWORD edge = i < n - i ? i : n - i; /* distance to the nearer end */
    DWORD level = hz ? 40 * (edge < ramp ? edge : ramp) / ramp : 0;
    int high = (i * 2 * hz / RATE) % 2 == 0; /* which half of the period */
    wav.samples[at] = (BYTE)(high ? 128 + level : 128 - level);
  }
  return at;
}

void ORLAVOX_VOICE_CALL Speak(void) {
  SYSTEMTIME now;
  DWORD at = 0;
  int hour, tens, i;

  if (waveOutGetNumDevs() == 0) return; /* no sound device: nothing to wait for */

  GetLocalTime(&now);
  hour = now.wHour % 12;
  if (hour == 0) hour = 12;
  tens = now.wMinute / 10;

  for (i = 0; i < hour; ++i) at = AddTone(AddTone(at, HIGH_HZ, TONE_MS), 0, GAP_MS);
  at = AddTone(at, 0, PAUSE_MS);
  for (i = 0; i < tens; ++i) at = AddTone(AddTone(at, LOW_HZ, TONE_MS), 0, GAP_MS);

  wav.riff = mmioFOURCC('R', 'I', 'F', 'F');
  wav.riffSize = 36 + at; /* everything after this field */
  wav.wave = mmioFOURCC('W', 'A', 'V', 'E');
  wav.fmt = mmioFOURCC('f', 'm', 't', ' ');
  wav.fmtSize = 16;
  wav.format = WAVE_FORMAT_PCM;
  wav.channels = 1;
  wav.rate = wav.bytesPerSecond = RATE;
  wav.blockAlign = 1;
  wav.bitsPerSample = 8;
  wav.data = mmioFOURCC('d', 'a', 't', 'a');
  wav.dataSize = at;

  /* SND_SYNC: returns when the sound is over, which is when the clock takes
   * the announcement to be finished. SND_NODEFAULT: if the sound cannot be
   * played, stay silent rather than play the system's default sound. */
  PlaySoundA((LPCSTR)&wav, NULL, SND_MEMORY | SND_SYNC | SND_NODEFAULT);
}
