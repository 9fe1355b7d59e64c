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
 *   - Return only when the sound has been heard: it waits for the wave
 *     device to finish. With no sound device, return at once.
 *   - Need no DLL beyond Windows' own, let no memory, handle or exception
 *     leave Speak: this file uses no C runtime function and no heap.
 *
 * How it keeps small, as the voices shipped with the clock do: its sounds
 * are recorded clips (here the two tones, high.wav and low.wav, each a tone
 * and the silence after it), compressed with Microsoft ADPCM, about a
 * quarter of their size as 16-bit PCM, and linked in as resources
 * (example_voice.rc). Speak decodes the clips of the phrase into one buffer
 * and plays it with waveOut: one opening of the device, no gap between the
 * clips. Make clips of your own words with any sound editor that saves
 * "Microsoft ADPCM" wave files, or with sox:
 *     sox word.wav -r 16000 -c 1 -e ms-adpcm word-adpcm.wav
 * Start each clip where its sound starts: silence before the first word is
 * time the listener waits.
 *
 * Build: build-mingw.sh (MinGW-w64) or build-msvc.bat (Visual C++).
 */
#include <windows.h>
#include <mmsystem.h>

#include "orlavox_voice.h"

#define HIGH_CLIP 1                    /* RCDATA resources, example_voice.rc */
#define LOW_CLIP 2
#define PAUSE_MS 450                   /* between the hour and the minutes */
#define MAX_SAMPLES (16000 * 8)        /* 8 s at 16 kHz: more than any phrase */

/* The phrase as 16-bit PCM. Calls of Speak never overlap, so one static
 * buffer serves every call. */
static short pcm[MAX_SAMPLES];

static DWORD U16(const BYTE *p) { return p[0] | (DWORD)p[1] << 8; }
static DWORD U32(const BYTE *p) { return U16(p) | U16(p + 2) << 16; }
static int I16(const BYTE *p) { return (short)U16(p); }

/* A wave file of the DLL's resources, or NULL. */
static const BYTE *Clip(int id, DWORD *size) {
  HMODULE self = NULL;
  HRSRC found;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     (LPCSTR)&Clip, &self);
  found = FindResourceA(self, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10)); /* RT_RCDATA */
  *size = found ? SizeofResource(self, found) : 0;
  return found ? (const BYTE *)LockResource(LoadResource(self, found)) : NULL;
}

/* Decodes a mono Microsoft ADPCM wave file to pcm[at...] and returns where
 * it ended; *rate is set to its sample rate. Anything else, a damaged file
 * too, adds nothing. A block: predictor number, step, the second and the
 * first sample, then 4-bit codes, high nibble first. Every sum stays within
 * an int: samples are clamped to 16 bits and so is the step, as in other
 * decoders, and a predictor weight of -32768 (which no encoder writes) is
 * refused. */
static DWORD AddClip(DWORD at, int id, DWORD *rate) {
  static const int adapt[16] = {230, 230, 230, 230, 307, 409, 512, 614, 768, 614, 512, 409, 307, 230, 230, 230};
  DWORD size, pos, hz = 0, align = 0, perBlock = 0, coefs = 0, total = 0xFFFFFFFF, data = 0, dataSize = 0;
  const BYTE *w = Clip(id, &size);
  if (!w || size < 12 || U32(w) != mmioFOURCC('R', 'I', 'F', 'F') || U32(w + 8) != mmioFOURCC('W', 'A', 'V', 'E'))
    return at;
  for (pos = 12; pos + 8 <= size && U32(w + pos + 4) <= size - pos - 8; pos += 8 + ((U32(w + pos + 4) + 1) & ~1u)) {
    const BYTE *c = w + pos + 8;
    DWORD tag = U32(w + pos), len = U32(w + pos + 4);
    if (tag == mmioFOURCC('f', 'm', 't', ' ') && len >= 22 && U16(c) == 2 && U16(c + 2) == 1) {
      hz = U32(c + 4);
      align = U16(c + 12);
      perBlock = U16(c + 18);
      if (len >= 22 + 4 * U16(c + 20) && U16(c + 20) >= 7) coefs = pos + 8 + 22;
    } else if (tag == mmioFOURCC('f', 'a', 'c', 't') && len >= 4) {
      total = U32(c);
    } else if (tag == mmioFOURCC('d', 'a', 't', 'a')) {
      data = pos + 8;
      dataSize = len;
    }
  }
  if (!coefs || !data || align < 8 || perBlock < 2 || perBlock > 2 * (align - 7) + 2 || hz < 1000 || hz > 192000)
    return at;
  *rate = hz;
  for (pos = data; pos + align <= data + dataSize && total > 0 && at < MAX_SAMPLES; pos += align) {
    const BYTE *b = w + pos;
    DWORD i, n = perBlock < total ? perBlock : total;
    int c1, c2, step = I16(b + 1), s1 = I16(b + 3), s2 = I16(b + 5);
    if (b[0] >= U16(w + coefs - 2)) return at;
    c1 = I16(w + coefs + 4 * b[0]);
    c2 = I16(w + coefs + 4 * b[0] + 2);
    if (c1 == -32768 || c2 == -32768) return at;
    pcm[at++] = (short)s2;
    if (n > 1 && at < MAX_SAMPLES) pcm[at++] = (short)s1;
    for (i = 2; i < n && at < MAX_SAMPLES; ++i) {
      int nibble = i % 2 == 0 ? b[7 + (i - 2) / 2] >> 4 : b[7 + (i - 2) / 2] & 15;
      int sample = (s1 * c1 + s2 * c2) / 256 + (nibble >= 8 ? nibble - 16 : nibble) * step;
      sample = sample < -32768 ? -32768 : sample > 32767 ? 32767 : sample;
      pcm[at++] = (short)sample;
      s2 = s1;
      s1 = sample;
      step = adapt[nibble] * step / 256;
      step = step < 16 ? 16 : step > 0x7FFF ? 0x7FFF : step;
    }
    total -= n;
  }
  return at;
}

/* Plays pcm[0..samples) and returns when the device has played it all (or
 * when it should have, five seconds ago: a device that stops answering does
 * not hold the clock). */
static void Play(DWORD samples, DWORD rate) {
  static WAVEFORMATEX format;
  static WAVEHDR header;
  HWAVEOUT device;
  HANDLE done = CreateEventA(NULL, FALSE, FALSE, NULL);
  DWORD waited = 0, limit = samples / rate * 1000 + 5000;
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 1;
  format.nSamplesPerSec = rate;
  format.nAvgBytesPerSec = rate * 2;
  format.nBlockAlign = 2;
  format.wBitsPerSample = 16;
  header.dwFlags = 0;
  if (!done) return;
  if (waveOutOpen(&device, WAVE_MAPPER, &format, (DWORD_PTR)done, 0, CALLBACK_EVENT) == MMSYSERR_NOERROR) {
    header.lpData = (LPSTR)pcm;
    header.dwBufferLength = samples * 2;
    if (waveOutPrepareHeader(device, &header, sizeof header) == MMSYSERR_NOERROR) {
      /* The event is set on every device message; the flag tells the end. */
      if (waveOutWrite(device, &header, sizeof header) == MMSYSERR_NOERROR)
        for (; !(*(volatile DWORD *)&header.dwFlags & WHDR_DONE) && waited < limit; waited += 100)
          WaitForSingleObject(done, 100);
      waveOutReset(device); /* at once when it is done; stops it when not */
      waveOutUnprepareHeader(device, &header, sizeof header);
    }
    waveOutClose(device);
  }
  CloseHandle(done);
}

void ORLAVOX_VOICE_CALL Speak(void) {
  SYSTEMTIME now;
  DWORD at = 0, rate = 0, i, pause;
  int hour, tens;

  if (waveOutGetNumDevs() == 0) return; /* no sound device: nothing to wait for */

  GetLocalTime(&now);
  hour = now.wHour % 12;
  if (hour == 0) hour = 12;
  tens = now.wMinute / 10;

  for (i = 0; i < (DWORD)hour; ++i) at = AddClip(at, HIGH_CLIP, &rate);
  if (rate == 0) return; /* the clips are missing or damaged */
  pause = rate * PAUSE_MS / 1000;
  for (i = 0; i < pause && at < MAX_SAMPLES; ++i) pcm[at++] = 0;
  for (i = 0; i < (DWORD)tens; ++i) at = AddClip(at, LOW_CLIP, &rate);
  Play(at, rate);
}
