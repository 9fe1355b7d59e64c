// The shipped voices under Wine, with the sound captured by the ALSA file
// plug-in (see CMakeLists.txt): each voice loads, exports Speak, its clips
// decode close to the PCM the build made them of, and one call plays exactly
// the clips of the phrase for the current time, in one buffer, before it
// returns. Prints what it measures.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "speech/phrases/phrase.h"
#include "speech/voice_host.h"
#include "speech/voices/clip_codec.h"
#include "speech/voices/clip_resources.h"
#include "speech/voices/voice_runtime.h"
#include "speech/tests/wintest_util.h"

namespace orlavox {
namespace {

using test::Env;

constexpr double kBytesPerSecond = kClipSampleRate * kClipChannels * kClipBitsPerSample / 8;
// How close a decoded clip stays to the uncompressed one: 4-bit ADPCM of
// speech keeps the error around a hundredth of the signal's power.
constexpr double kMinClipSnrDb = 18.0;

std::vector<std::string> ShippedVoices() {
  std::vector<std::string> names;
  std::string list = ORLAVOX_SHIPPED_VOICES;
  for (size_t at = 0, end; at <= list.size(); at = end + 1) {
    end = std::min(list.find('|', at), list.size());
    names.push_back(list.substr(at, end - at));
  }
  return names;
}

std::string VoiceFile(const std::string& name) { return std::string(ORLAVOX_VOICE_DIR) + "\\" + name + ".dll"; }

const LanguageRules& LanguageOf(const std::string& voice) {
  const LanguageRules* rules = FindLanguage(voice.substr(0, voice.find(" (")));
  EXPECT_NE(rules, nullptr) << voice;
  return rules ? *rules : RulesFor(Language::English);
}

std::string StoredClip(HMODULE module, int index) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(kFirstClipResource + index), MAKEINTRESOURCEA(10));
  if (!found) return {};
  return std::string(static_cast<const char*>(LockResource(LoadResource(module, found))), SizeofResource(module, found));
}

// A clip as the voice plays it, decoded to PCM bytes; "" when it is missing
// or does not decode.
std::string Clip(HMODULE module, int index) {
  const std::string stored = StoredClip(module, index);
  const auto* data = reinterpret_cast<const uint8_t*>(stored.data());
  std::string pcm(ClipSampleCount(data, stored.size()) * 2, '\0');
  if (DecodeClip(data, stored.size(), reinterpret_cast<int16_t*>(&pcm[0])) * 2 != pcm.size()) pcm.clear();
  return pcm;
}

// What the voice should play at hour:minute: its clips, one after the other.
std::string ExpectedPcm(HMODULE module, const LanguageRules& rules, int hour, int minute) {
  const Phrase phrase = ComposePhrase(rules.language, hour, minute);
  std::string pcm;
  for (int i = 0; i < phrase.count; ++i) pcm += Clip(module, phrase.clips[i]);
  return pcm;
}

// What the device should be given for that phrase: 30 ms of silence (480
// samples at 16 kHz), for outputs that drop the first moments after they
// open, then the clips.
std::string ExpectedOpening(HMODULE module, const LanguageRules& rules, int hour, int minute) {
  return std::string(kClipSampleRate * 30 / 1000 * 2, '\0') + ExpectedPcm(module, rules, hour, minute);
}

// Whether an opening of the device holds what was expected: the same up to
// its first sound exactly, then the same samples in order. Wine adds silence
// of its own where its sound thread let the device run dry (seen under load:
// 10 to 40 ms, after the first sound); up to 100 ms of it in all is let pass.
bool PlayedAsExpected(const std::string& opening, const std::string& expected) {
  const size_t sound = (expected.find_first_not_of('\0') & ~size_t(1)) + 2;  // up to the first sample of sound
  if (sound > expected.size() || opening.compare(0, sound, expected, 0, sound) != 0) return false;
  size_t i = sound, j = sound, added = 0;
  while (i < expected.size() && j + 1 < opening.size()) {
    if (opening.compare(j, 2, expected, i, 2) == 0) {
      i += 2;
      j += 2;
    } else if (opening[j] == 0 && opening[j + 1] == 0) {
      j += 2;
      added += 2;
    } else {
      return false;
    }
  }
  added += opening.size() - j;
  return i == expected.size() && opening.find_first_not_of('\0', j) == std::string::npos &&
         added <= kClipSampleRate / 10 * 2;
}

// The uncompressed clips the build made for a voice: its clips.rc names
// <hash>.<encoder>.clip in the cache beside <hash>.raw, in resource order.
std::vector<std::string> UncompressedClips(const std::string& voice) {
  std::string folder = "voice_";
  for (char c : voice.substr(0, voice.find(" (")) + "_" + voice.substr(voice.find(" (") + 2, voice.size() - voice.find(" (") - 3))
    folder += isalnum(static_cast<unsigned char>(c)) ? c : '_';
  const std::string rc = test::ReadFileBytes(std::string(ORLAVOX_CLIPS_DIR) + "\\" + folder + "\\clips.rc");
  std::vector<std::string> clips;
  for (size_t at = rc.find('"'); at != std::string::npos; at = rc.find('"', rc.find('\n', at))) {
    const std::string path = rc.substr(at + 1, rc.find('"', at + 1) - at - 1);
    const size_t name = path.rfind('/') + 1;
    clips.push_back(test::ReadFileBytes("Z:" + path.substr(0, name) + path.substr(name, path.find('.', name) - name) + ".raw"));
  }
  return clips;
}

// Signal to noise of `decoded` against `reference` (16-bit PCM bytes), in dB,
// the two aligned at their ends: the encoder leaves away only the silence
// that leads a clip.
double ClipSnrDb(const std::string& reference, const std::string& decoded) {
  const auto* ref = reinterpret_cast<const int16_t*>(reference.data());
  const auto* dec = reinterpret_cast<const int16_t*>(decoded.data());
  const size_t n = reference.size() / 2, m = decoded.size() / 2;
  if (m == 0 || m > n) return -100;
  double signal = 0, noise = 0;
  for (size_t i = 0; i < m; ++i) {
    const double r = ref[n - m + i], d = dec[i];
    signal += r * r;
    noise += (d - r) * (d - r);
  }
  return 10 * std::log10(signal / std::max(noise, 1.0));
}

int Peak(const std::string& pcm) {
  int peak = 0;
  for (size_t i = 0; i + 1 < pcm.size(); i += 2) {
    const int sample = static_cast<int16_t>(static_cast<uint8_t>(pcm[i]) | static_cast<uint8_t>(pcm[i + 1]) << 8);
    peak = std::max(peak, sample < 0 ? -sample : sample);
  }
  return peak;
}

// The capture files of this test run: the ALSA file plug-in writes the
// first opening of the device to <capture> and each later one to
// <capture>.0001, .0002 and so on.
class Capture {
 public:
  Capture() : base_(Env("ORLAVOX_TEST_CAPTURE")), folder_(base_.substr(0, base_.rfind('\\') + 1)) {}
  bool Configured() const { return !base_.empty(); }
  void Clear() const {
    for (const std::string& name : FindFileNames(base_ + "*")) DeleteFileA((folder_ + name).c_str());
  }
  // The contents of each opening, in order.
  std::vector<std::string> Openings() const {
    std::vector<std::string> names = FindFileNames(base_ + "*");
    std::sort(names.begin(), names.end());
    std::vector<std::string> contents;
    for (const std::string& name : names) contents.push_back(test::ReadFileBytes(folder_ + name));
    return contents;
  }

 private:
  std::string base_, folder_;
};

struct Call {
  SYSTEMTIME at;
  double seconds;
};

// Calls speak, again if the minute turned during the call, so the phrase
// spoken is known.
bool SpeakWithinAMinute(SpeakProc speak, const Capture& capture, Call& call) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    capture.Clear();
    SYSTEMTIME after;
    GetLocalTime(&call.at);
    const LARGE_INTEGER start = test::Now();
    speak();
    call.seconds = test::SecondsSince(start);
    GetLocalTime(&after);
    if (after.wHour == call.at.wHour && after.wMinute == call.at.wMinute) return true;
  }
  return false;
}

class ShippedVoice : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedVoice, LoadsAndExportsSpeakUndecorated) {
  const LARGE_INTEGER start = test::Now();
  VoiceModule voice(VoiceFile(GetParam()));
  const double loadSeconds = test::SecondsSince(start);
  ASSERT_TRUE(voice.Loaded()) << VoiceFile(GetParam());
  EXPECT_NE(voice.FindSpeak(), nullptr);
  EXPECT_EQ(GetProcAddress(voice.Handle(), "Speak@0"), nullptr);
  EXPECT_EQ(GetProcAddress(voice.Handle(), "_Speak@0"), nullptr);
  std::printf("[ measure  ] %s: LoadLibraryA %.2f ms\n", GetParam().c_str(), loadSeconds * 1000);
}

TEST_P(ShippedVoice, CarriesEveryClipAndMeasuresItsPhrases) {
  if (GetParam() == "System voice") GTEST_SKIP() << "speaks through SAPI, has no clips";
  VoiceModule voice(VoiceFile(GetParam()));
  ASSERT_TRUE(voice.Loaded());
  const LanguageRules& rules = LanguageOf(GetParam());
  const std::vector<std::string> uncompressed = UncompressedClips(GetParam());
  ASSERT_EQ(uncompressed.size(), size_t(rules.clipCount));
  double stored = 0, raw = 0, worstSnr = 1e9;
  for (int i = 0; i < rules.clipCount; ++i) {
    const std::string clip = Clip(voice.Handle(), i);
    EXPECT_GT(clip.size(), 0.1 * kBytesPerSecond) << rules.clips[i].key;
    EXPECT_GT(Peak(clip), 16000) << rules.clips[i].key;  // levelled to -1 dB
    // Only the leading silence may be gone, at most as much as the whole.
    EXPECT_LE(clip.size(), uncompressed[i].size()) << rules.clips[i].key;
    EXPECT_GT(clip.size() + 0.1 * kBytesPerSecond, uncompressed[i].size()) << rules.clips[i].key;
    const double snr = ClipSnrDb(uncompressed[i], clip);
    EXPECT_GT(snr, kMinClipSnrDb) << rules.clips[i].key;
    worstSnr = std::min(worstSnr, snr);
    stored += StoredClip(voice.Handle(), i).size();
    raw += uncompressed[i].size();
  }
  EXPECT_TRUE(StoredClip(voice.Handle(), rules.clipCount).empty());
  std::printf("[ measure  ] %s: clips %.0f kB stored for %.0f kB of PCM, SNR at least %.1f dB\n", GetParam().c_str(),
              stored / 1024, raw / 1024, worstSnr);

  double shortest = 1e9, longest = 0, total = 0;
  for (int hour = 0; hour < 24; ++hour) {
    for (int minute = 0; minute < 60; ++minute) {
      const double seconds = ExpectedPcm(voice.Handle(), rules, hour, minute).size() / kBytesPerSecond;
      shortest = std::min(shortest, seconds);
      longest = std::max(longest, seconds);
      total += seconds;
    }
  }
  EXPECT_GT(shortest, 0.3);
  EXPECT_LT(longest, 6.0);
  std::printf("[ measure  ] %s: %d clips; phrases of the day %.2f s shortest, %.2f s mean, %.2f s longest\n",
              GetParam().c_str(), rules.clipCount, shortest, total / 1440, longest);
}

TEST_P(ShippedVoice, SpeaksTheTimeAsOneBufferAndReturnsWhenPlayed) {
  if (GetParam() == "System voice") GTEST_SKIP() << "tested on its own";
  Capture capture;
  ASSERT_TRUE(capture.Configured()) << "ORLAVOX_TEST_CAPTURE is not set";
  ASSERT_EQ(waveOutGetNumDevs(), 1u) << "no captured sound device: see ALSA_CONFIG_PATH";
  VoiceModule voice(VoiceFile(GetParam()));
  ASSERT_NE(voice.FindSpeak(), nullptr);

  Call call;
  ASSERT_TRUE(SpeakWithinAMinute(voice.FindSpeak(), capture, call));
  const std::vector<std::string> openings = capture.Openings();
  ASSERT_EQ(openings.size(), 1u) << "the device is opened once a call";
  const std::string expected =
      ExpectedOpening(voice.Handle(), LanguageOf(GetParam()), call.at.wHour, call.at.wMinute);
  EXPECT_TRUE(PlayedAsExpected(openings[0], expected))
      << "played " << openings[0].size() << " bytes, expected " << expected.size()
      << "; silent samples first: " << openings[0].find_first_not_of('\0') / 2 << ", first difference at sample "
      << (std::mismatch(expected.begin(), expected.end(), openings[0].begin(), openings[0].end()).first -
          expected.begin()) / 2;
  EXPECT_GT(Peak(openings[0]), 16000);
  const double audio = openings[0].size() / kBytesPerSecond;
  EXPECT_GT(audio, 0.3);
  EXPECT_LT(audio, 6.0);
  std::printf("[ measure  ] %s at %02d:%02d: %.2f s of audio, Speak returned after %.2f s\n", GetParam().c_str(),
              call.at.wHour, call.at.wMinute, audio, call.seconds);
}

INSTANTIATE_TEST_SUITE_P(Voices, ShippedVoice, ::testing::ValuesIn(ShippedVoices()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name;
                           for (char c : info.param) {
                             if (isalnum(static_cast<unsigned char>(c))) name += c;
                           }
                           return name;
                         });

TEST(ShippedVoices, FillTheVoiceFolder) {
  std::vector<std::string> expected = ShippedVoices();
  std::sort(expected.begin(), expected.end());
  std::vector<std::string> found = FindFileNames(std::string(ORLAVOX_VOICE_DIR) + "\\*.dll");
  for (std::string& name : found) name.resize(name.size() - 4);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, expected);
  EXPECT_GE(expected.size(), 8u);
}

TEST(ShippedVoices, TwoCallsInARowPlayOneAfterTheOther) {
  Capture capture;
  ASSERT_TRUE(capture.Configured());
  VoiceModule first(VoiceFile("English (female)"));
  VoiceModule second(VoiceFile("German (male)"));
  ASSERT_NE(first.FindSpeak(), nullptr);
  ASSERT_NE(second.FindSpeak(), nullptr);

  for (int attempt = 0; attempt < 3; ++attempt) {
    capture.Clear();
    SYSTEMTIME at, after;
    GetLocalTime(&at);
    first.FindSpeak()();
    // The first phrase is whole before the second call begins.
    const std::vector<std::string> afterFirst = capture.Openings();
    second.FindSpeak()();
    GetLocalTime(&after);
    if (after.wMinute != at.wMinute) continue;
    const std::string one = ExpectedOpening(first.Handle(), RulesFor(Language::English), at.wHour, at.wMinute);
    const std::string two = ExpectedOpening(second.Handle(), RulesFor(Language::German), at.wHour, at.wMinute);
    ASSERT_EQ(afterFirst.size(), 1u);
    EXPECT_TRUE(PlayedAsExpected(afterFirst[0], one));
    const std::vector<std::string> openings = capture.Openings();
    ASSERT_EQ(openings.size(), 2u);
    EXPECT_TRUE(PlayedAsExpected(openings[0], one));
    EXPECT_TRUE(PlayedAsExpected(openings[1], two));
    return;
  }
  FAIL() << "the minute kept turning";
}

TEST(SystemVoice, ReturnsPromptlyWhereWindowsHasNoVoice) {
  Capture capture;
  capture.Clear();
  VoiceModule voice(VoiceFile("System voice"));
  ASSERT_NE(voice.FindSpeak(), nullptr);
  const LARGE_INTEGER start = test::Now();
  const GuardedCall call = CallSpeakGuarded(voice.FindSpeak());
  const double seconds = test::SecondsSince(start);
  EXPECT_FALSE(call.faulted) << std::hex << call.exceptionCode;
  EXPECT_LT(seconds, 10.0);
  std::printf("[ measure  ] System voice: Speak returned after %.2f s, %zu capture(s)\n", seconds,
              capture.Openings().size());
}

// The system voice with voices registered as Windows registers them, run
// as a German user (a ctest entry of its own, LANG=de_DE.UTF-8). Wine's
// SpVoice cannot speak, so test-spvoice.dll, which logs what it is asked to
// say, stands in for it as CLSID_SpVoice's server; the voice tokens and the
// token enumeration are Wine's own.
class SystemVoiceWithTokens : public ::testing::Test {
 protected:
  static constexpr const char* kTokens = "SOFTWARE\\Microsoft\\Speech\\Voices\\Tokens";
  static constexpr const char* kSaved = "SOFTWARE\\Microsoft\\Speech\\Voices\\Tokens (saved by the clock's test)";
  static constexpr const char* kServer = "CLSID\\{96749377-3391-11D2-9EE3-00C04F797396}\\InprocServer32";

  void SetUp() override {
    ASSERT_EQ(GetUserDefaultUILanguage(), 0x407) << "run with LANG=de_DE.UTF-8";
    log_ = test::Env("ORLAVOX_TEST_SAPI_LOG");
    ASSERT_FALSE(log_.empty());
    DeleteFileA(log_.c_str());
    // The prefix's voices set aside, none left; the stand-in registered.
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSaved, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), 0);
    RegCopyTreeA(HKEY_LOCAL_MACHINE, kTokens, key);
    RegCloseKey(key);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTokens);
    char old[MAX_PATH] = "";
    LONG size = sizeof old;
    RegQueryValueA(HKEY_CLASSES_ROOT, kServer, old, &size);
    oldServer_ = old;
    const std::string dll = std::string(ORLAVOX_TEST_PLUGIN_DIR) + "\\test-spvoice.dll";
    ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, kServer, REG_SZ, dll.c_str(), DWORD(dll.size())), 0);
  }
  void TearDown() override {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTokens);
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTokens, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) == 0) {
      RegCopyTreeA(HKEY_LOCAL_MACHINE, kSaved, key);
      RegCloseKey(key);
    }
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kSaved);
    RegSetValueA(HKEY_CLASSES_ROOT, kServer, REG_SZ, oldServer_.c_str(), DWORD(oldServer_.size()));
    SetEnvironmentVariableA("ORLAVOX_TEST_SAPI_HANG", nullptr);
  }
  static void AddToken(const std::string& name, const char* language) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, (std::string(kTokens) + "\\" + name + "\\Attributes").c_str(), 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), 0);
    RegSetValueExA(key, "Language", 0, REG_SZ, reinterpret_cast<const BYTE*>(language), DWORD(strlen(language) + 1));
    RegCloseKey(key);
    const char* engine = "{11111111-2222-3333-4444-555555555555}";  // never created: the stand-in speaks
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, (std::string(kTokens) + "\\" + name).c_str(), "CLSID", REG_SZ, engine,
                    DWORD(strlen(engine) + 1));
  }
  // Calls the system voice's Speak, again if the minute turned meanwhile;
  // the log's lines and the phrase of that minute in the language.
  std::vector<std::string> Speak(Language language, std::string& phrase, double& seconds) {
    VoiceModule voice(VoiceFile("System voice"));
    EXPECT_NE(voice.FindSpeak(), nullptr);
    for (int attempt = 0; voice.FindSpeak() && attempt < 3; ++attempt) {
      DeleteFileA(log_.c_str());
      SYSTEMTIME at, after;
      GetLocalTime(&at);
      const LARGE_INTEGER start = test::Now();
      EXPECT_FALSE(CallSpeakGuarded(voice.FindSpeak()).faulted);
      seconds = test::SecondsSince(start);
      GetLocalTime(&after);
      if (after.wMinute != at.wMinute) continue;
      char text[256];
      PhraseText(language, ComposePhrase(language, at.wHour, at.wMinute), text, sizeof text);
      phrase = text;
      std::vector<std::string> lines;
      const std::string all = test::ReadFileBytes(log_);
      for (size_t from = 0, end; (end = all.find('\n', from)) != std::string::npos; from = end + 1)
        lines.push_back(all.substr(from, end - from));
      return lines;
    }
    ADD_FAILURE() << "the minute kept turning";
    return {};
  }
  std::string log_, oldServer_;
};

TEST_F(SystemVoiceWithTokens, AGermanVoiceSaysTheGermanPhrase) {
  AddToken("Test 1 English", "409");  // listed first
  AddToken("Test 2 German", "409;407");
  std::string phrase;
  double seconds = 0;
  const std::vector<std::string> lines = Speak(Language::German, phrase, seconds);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "speak Test 2 German|" + phrase);
}

TEST_F(SystemVoiceWithTokens, WithOnlyAnEnglishVoiceTheEnglishPhrase) {
  AddToken("Test English", "409");
  std::string phrase;
  double seconds = 0;
  const std::vector<std::string> lines = Speak(Language::English, phrase, seconds);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "speak Test English|" + phrase);
}

TEST_F(SystemVoiceWithTokens, WithoutAVoiceSilenceAtOnce) {
  std::string phrase;
  double seconds = 0;
  EXPECT_TRUE(Speak(Language::German, phrase, seconds).empty());
  EXPECT_LT(seconds, 2.0);
}

TEST_F(SystemVoiceWithTokens, AnEngineThatNeverFinishesIsCutAndTheNextCallSpeaks) {
  AddToken("Test German", "407");
  SetEnvironmentVariableA("ORLAVOX_TEST_SAPI_HANG", "1");
  std::string phrase;
  double seconds = 0;
  std::vector<std::string> lines = Speak(Language::German, phrase, seconds);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "speak Test German|" + phrase);
  EXPECT_EQ(lines[1], "purge");
  EXPECT_GT(seconds, 7.5);   // the limit: 8 s, shorter than the clock waits
  EXPECT_LT(seconds, 9.5);   // for a voice at its close (10 s)
  SetEnvironmentVariableA("ORLAVOX_TEST_SAPI_HANG", nullptr);
  lines = Speak(Language::German, phrase, seconds);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "speak Test German|" + phrase);
  EXPECT_LT(seconds, 2.0);
}

// Run with no sound device at all (a second ctest entry).
TEST(NoSoundDevice, EveryVoiceReturnsAtOnce) {
  ASSERT_EQ(waveOutGetNumDevs(), 0u);
  for (const std::string& name : ShippedVoices()) {
    VoiceModule voice(VoiceFile(name));
    ASSERT_NE(voice.FindSpeak(), nullptr) << name;
    const LARGE_INTEGER start = test::Now();
    voice.FindSpeak()();
    EXPECT_LT(test::SecondsSince(start), 0.25) << name;
  }
}

}  // namespace
}  // namespace orlavox
