#include "speech/voices/voice_runtime.h"

#include <mmsystem.h>

#include "speech/voices/clip_codec.h"
#include "speech/voices/clip_resources.h"

namespace orlavox {
namespace {

constexpr DWORD kBlockAlign = kClipChannels * kClipBitsPerSample / 8;
constexpr DWORD kBytesPerSecond = kClipSampleRate * kBlockAlign;

struct ClipData {
  const uint8_t* data = nullptr;
  DWORD size = 0;
  size_t samples = 0;
};

ClipData LoadClip(HMODULE module, int index) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(kFirstClipResource + index), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  if (!loaded) return {};
  const auto* data = static_cast<const uint8_t*>(LockResource(loaded));
  const DWORD size = SizeofResource(module, found);
  return {data, size, ClipSampleCount(data, size)};
}

bool IsDone(const WAVEHDR& header) { return (*static_cast<const volatile DWORD*>(&header.dwFlags) & WHDR_DONE) != 0; }

}  // namespace

bool PlayPcm(const void* samples, DWORD bytes) {
  WAVEFORMATEX format = {};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = kClipChannels;
  format.nSamplesPerSec = kClipSampleRate;
  format.wBitsPerSample = kClipBitsPerSample;
  format.nBlockAlign = static_cast<WORD>(kBlockAlign);
  format.nAvgBytesPerSec = kBytesPerSecond;

  HANDLE done = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  if (!done) return false;
  HWAVEOUT device = nullptr;
  if (waveOutOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done), 0, CALLBACK_EVENT) !=
      MMSYSERR_NOERROR) {
    CloseHandle(done);
    return false;
  }
  WAVEHDR header = {};
  header.lpData = static_cast<LPSTR>(const_cast<void*>(samples));
  header.dwBufferLength = bytes;
  if (waveOutPrepareHeader(device, &header, sizeof header) == MMSYSERR_NOERROR) {
    if (waveOutWrite(device, &header, sizeof header) == MMSYSERR_NOERROR) {
      // The event is set on every device message; the flag says which was
      // the end of the buffer.
      const DWORD limit = static_cast<DWORD>(static_cast<unsigned long long>(bytes) * 1000 / kBytesPerSecond) + 5000;
      const DWORD start = GetTickCount();
      while (!IsDone(header) && GetTickCount() - start < limit) WaitForSingleObject(done, 100);
      if (!IsDone(header)) waveOutReset(device);
    }
    waveOutUnprepareHeader(device, &header, sizeof header);
  }
  waveOutClose(device);
  CloseHandle(done);
  return true;
}

void SpeakTimeFromClips(HMODULE module, Language language) {
  if (waveOutGetNumDevs() == 0) return;
  SYSTEMTIME now;
  GetLocalTime(&now);
  const Phrase phrase = ComposePhrase(language, now.wHour, now.wMinute);
  if (!phrase.complete || phrase.count == 0) return;

  ClipData clips[Phrase::kMaxClips];
  // The phrase opens the device: silence first, for the outputs that wake up
  // with it (Bluetooth, HDMI, USB, codecs saving power) and drop what they
  // are given meanwhile, so that the first word keeps its onset.
  const size_t leadIn = kClipSampleRate * kLeadInMs / 1000;
  size_t total = leadIn;
  for (int i = 0; i < phrase.count; ++i) {
    clips[i] = LoadClip(module, phrase.clips[i]);
    if (clips[i].samples == 0) return;
    total += clips[i].samples;
  }
  // Straight from the system, zeroed (the lead-in), and back to it
  // afterwards: the clock need not keep a phrase's hundred-odd kilobytes in
  // its heap once it is heard.
  const DWORD bytes = static_cast<DWORD>(total * kBlockAlign);
  auto* buffer = static_cast<int16_t*>(VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (!buffer) return;
  size_t at = leadIn;
  bool whole = true;
  for (int i = 0; i < phrase.count && whole; ++i) {
    whole = DecodeClip(clips[i].data, clips[i].size, buffer + at) == clips[i].samples;
    at += clips[i].samples;
  }
  if (whole) PlayPcm(buffer, bytes);
  VirtualFree(buffer, 0, MEM_RELEASE);
}

}  // namespace orlavox
