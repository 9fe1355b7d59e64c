// "System voice": says the time with the speech engine of Windows (SAPI 5).
// It picks a Windows voice for the user's language, else an English one,
// else any; the words are in the user's language when that voice speaks it
// and the clock has rules for it, in English otherwise. Without SAPI, a
// voice or a sound device it returns at once.
#include <windows.h>
#include <initguid.h>
#include <mmsystem.h>
#include <sapi.h>

#include <cwchar>

#include "speech/phrases/phrase.h"
#include "speech/plugin/orlavox_voice.h"

namespace {

using orlavox::Language;

// Far longer than any phrase, and shorter than the clock waits at a close
// for a voice that does not return.
constexpr ULONG kSpeakLimitMs = 8000;

// A COM interface pointer that releases itself.
template <class T>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (p_) p_->Release();
  }
  T* operator->() const { return p_; }
  T** Out() { return &p_; }
  void** OutVoid() { return reinterpret_cast<void**>(&p_); }
  explicit operator bool() const { return p_ != nullptr; }
  T* Get() const { return p_; }
  T* Detach() {
    T* p = p_;
    p_ = nullptr;
    return p;
  }

 private:
  T* p_ = nullptr;
};

// Whether the token's "Language" attribute, hexadecimal LANGIDs separated by
// semicolons ("409" or "409;9"), names the language.
bool SpeaksLanguage(ISpObjectToken* token, LANGID language) {
  ComRef<ISpDataKey> attributes;
  wchar_t* value = nullptr;
  if (FAILED(token->OpenKey(L"Attributes", attributes.Out())) ||
      FAILED(attributes->GetStringValue(L"Language", &value)) || !value)
    return false;
  bool found = false;
  for (const wchar_t* at = value; *at && !found;) {
    wchar_t* end = nullptr;
    found = wcstoul(at, &end, 16) == language && end != at;
    while (*end && *end != L';') ++end;
    at = *end ? end + 1 : end;
  }
  CoTaskMemFree(value);
  return found;
}

// The first installed voice meeting the SAPI attribute requirement
// ("Language=409") that speaks language; any voice for null and 0. The
// voice's own attribute is read too: not every token enumerator applies the
// requirement (Wine's lists every voice).
bool FindVoice(const wchar_t* requirement, LANGID language, ComRef<ISpObjectToken>& token) {
  ComRef<ISpObjectTokenCategory> category;
  if (FAILED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL, IID_ISpObjectTokenCategory,
                              category.OutVoid())))
    return false;
  if (FAILED(category->SetId(SPCAT_VOICES, FALSE))) return false;
  ComRef<IEnumSpObjectTokens> tokens;
  if (FAILED(category->EnumTokens(requirement, nullptr, tokens.Out())) || !tokens) return false;
  for (;;) {
    ComRef<ISpObjectToken> next;
    if (tokens->Next(1, next.Out(), nullptr) != S_OK || !next) return false;
    if (language == 0 || SpeaksLanguage(next.Get(), language)) {
      *token.Out() = next.Detach();
      return true;
    }
  }
}

// "Language=" and the LANGID in hexadecimal, as SAPI writes it.
void LanguageRequirement(LANGID language, wchar_t (&out)[16]) {
  const wchar_t* prefix = L"Language=";
  int n = 0;
  while (prefix[n]) {
    out[n] = prefix[n];
    ++n;
  }
  bool started = false;
  for (int shift = 12; shift >= 0; shift -= 4) {
    const int digit = (language >> shift) & 0xF;
    if (!digit && !started && shift) continue;
    started = true;
    out[n++] = static_cast<wchar_t>(digit < 10 ? L'0' + digit : L'a' + digit - 10);
  }
  out[n] = 0;
}

void SpeakTime() {
  const LANGID userLanguage = GetUserDefaultUILanguage();
  wchar_t requirement[16];
  LanguageRequirement(userLanguage, requirement);
  ComRef<ISpObjectToken> token;
  const bool userVoice = FindVoice(requirement, userLanguage, token);
  if (!userVoice && !FindVoice(L"Language=409", 0x409, token) && !FindVoice(L"Language=809", 0x809, token) &&
      !FindVoice(nullptr, 0, token))
    return;

  ComRef<ISpVoice> voice;
  if (FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice, voice.OutVoid()))) return;
  if (FAILED(voice->SetVoice(token.Get()))) return;

  const Language language = orlavox::SystemVoiceTextLanguage(PRIMARYLANGID(userLanguage), userVoice);
  SYSTEMTIME now;
  GetLocalTime(&now);
  const orlavox::Phrase phrase = orlavox::ComposePhrase(language, now.wHour, now.wMinute);
  char text[256];
  orlavox::PhraseText(language, phrase, text, sizeof text);
  wchar_t wide[256];
  if (MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, 256) == 0) return;
  // Spoken asynchronously and waited for with a limit: an engine that hangs
  // must not hold the clock's speech (and its close) for ever.
  if (FAILED(voice->Speak(wide, SPF_ASYNC | SPF_IS_NOT_XML, nullptr))) return;
  if (voice->WaitUntilDone(kSpeakLimitMs) != S_OK) voice->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
}

}  // namespace

extern "C" void ORLAVOX_VOICE_CALL Speak(void) {
  if (waveOutGetNumDevs() == 0) return;
  // The clock calls from a fresh worker thread or from its window thread,
  // which may already have chosen another apartment: then COM is usable as
  // it is and must not be uninitialised here.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  SpeakTime();
  if (SUCCEEDED(com)) CoUninitialize();
}
