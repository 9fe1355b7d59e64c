// The voice library on the main window: the voice folder, the legacy
// migration, the voice list and language menu, and loading the chosen voice.
#include "app/main_form.h"
#include "settings/settings_store.h"
#include "speech/voice_host.h"
#include "speech/voice_list.h"
#include "win/wide_text.h"

namespace orlavox {
namespace {

void ShowError(HWND owner, const std::string& text) {
  MessageBoxW(owner, Wide(text).c_str(), Wide(Tr(Str::msg_errorCaption)).c_str(), MB_OK | MB_ICONERROR);
}

uint64_t CreationTime(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  return (uint64_t(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

// This process as the writer of a loading mark.
VoiceLoadingMark OwnMark(const std::string& voice, const std::vector<std::string>& passedOver) {
  return {voice, uint32_t(GetCurrentProcessId()), CreationTime(GetCurrentProcess()), passedOver};
}

// Whether process `id`, created at `started`, still runs: an id given to a
// later process has another creation time.
bool ProcessRuns(uint32_t id, uint64_t started) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, id);
  if (!process) return false;
  const bool runs = WaitForSingleObject(process, 0) == WAIT_TIMEOUT && CreationTime(process) == started;
  CloseHandle(process);
  return runs;
}

std::optional<VoiceLoadingMark> StoredMark() {
  const std::optional<std::string> text = ReadVoiceLoadingMark();
  if (!text) return std::nullopt;
  return DecodeVoiceLoadingMark(*text);
}

bool IsOwn(const VoiceLoadingMark& mark) {
  const VoiceLoadingMark own = OwnMark({}, {});
  return mark.WriterId == own.WriterId && mark.WriterStarted == own.WriterStarted;
}

// Another copy's mark stays while that copy runs: it is still loading.
bool HeldByAnotherCopy(const std::optional<VoiceLoadingMark>& mark) {
  return mark && !IsOwn(*mark) && MarkWriterRuns(*mark, ProcessRuns);
}

}  // namespace

void TMainForm::PrepareVoiceFolder() {
  const std::wstring folder = Wide(ProgramFolder + "voice");
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    if (CreateDirectoryW(folder.c_str(), nullptr))
      MigrateLegacyVoices();
    else
      ShowError(hwnd_, Tr(Str::msg_voiceFolder));
  } else if (NewVersion) {
    MigrateLegacyVoices();
  }
}

void TMainForm::MigrateLegacyVoices() { RunLegacyMigration(ProgramFolder); }

void TMainForm::ScanVoiceFolder() {
  LanguageList = ReadVoiceFolder(ProgramFolder);
  // Until the user has chosen, the voice speaks the language of the user's Windows.
  if (!LanguageStored)
    ClockSettings.SelectedLanguage = PreferredVoiceIndex(LanguageList, VoiceLanguageName(GetUserDefaultUILanguage()));
}

void TMainForm::BuildLangMenu() {
  for (size_t i = 0; i < LanguageList.size(); ++i) {
    ui::PopupMenu::Item item;
    item.Caption = VoiceMenuName(LanguageList[i]);
    item.Name = LanguageMenuItemName(int(i));
    item.Radio = true;
    item.OnClick = [this](ui::PopupMenu::Item& clicked) { LangMenuItemClick(clicked); };
    LangMenu.Add(std::move(item));
  }
  ClockSettings.SelectedLanguage = ClampSelectedLanguage(ClockSettings.SelectedLanguage, int(LanguageList.size()));
  LangMenu.CheckRadio(size_t(ClockSettings.SelectedLanguage));
}

void TMainForm::LoadLanguage(const std::vector<std::string>& passedOver) {
  VoiceModule.Reset();
  SpeakProc = nullptr;
  if (LanguageList.empty()) return;
  const std::string& name = LanguageList[size_t(ClockSettings.SelectedLanguage)];
  LARGE_INTEGER start, end, frequency;
  QueryPerformanceCounter(&start);
  // A voice that never returns from loading (or takes the program down) leaves
  // the mark behind: the next start passes it over. A copy started beside
  // this one while it loads keeps its own mark.
  const bool marked = !HeldByAnotherCopy(StoredMark());
  if (marked) MarkVoiceLoading(EncodeVoiceLoadingMark(OwnMark(name, passedOver)));
  VoiceModule = orlavox::VoiceModule(VoicePath(ProgramFolder, name));
  if (marked) {
    const std::optional<VoiceLoadingMark> mark = StoredMark();
    if (mark && IsOwn(*mark)) ClearVoiceLoadingMark();
  }
  QueryPerformanceCounter(&end);
  QueryPerformanceFrequency(&frequency);
  Counters.VoiceLoadMicroseconds = unsigned((end.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart);
  if (!VoiceModule.Loaded()) {
    DisableSpeech();
    KeepLanguageSelectorUsable();
    ShowError(hwnd_, LoadFailedMessage(name));
    return;
  }
  EnableSpeech();
  SpeakProc = VoiceModule.FindSpeak();
  if (!SpeakProc) {
    DisableSpeech();
    KeepLanguageSelectorUsable();
    ShowError(hwnd_, SpeakMissingMessage(name));
  }
}

void TMainForm::LoadStartVoice() {
  const std::optional<VoiceLoadingMark> mark = StoredMark();
  if (!mark || MarkWriterRuns(*mark, ProcessRuns)) {
    LoadLanguage();
    return;
  }
  const StartVoice choice = ChooseStartVoice(LanguageList, ClockSettings.SelectedLanguage, *mark);
  SkippedVoice = choice.Skipped;
  if (!choice.Load) {
    // Every voice hung: later starts pass them over too, until one is chosen
    // from the language menu.
    MarkVoiceLoading(EncodeVoiceLoadingMark({"", 0, 0, choice.PassedOver}));
    DisableSpeech();
    KeepLanguageSelectorUsable();
    return;
  }
  if (choice.Index != ClockSettings.SelectedLanguage) {
    ClockSettings.SelectedLanguage = choice.Index;
    LangMenu.CheckRadio(size_t(choice.Index));
    // Stored before it loads: should it hang as well, the next start goes on
    // from it instead of going back to the voice passed over.
    SaveSelectedLanguageToRegistry(choice.Index);
  }
  LoadLanguage(choice.PassedOver);
}

void TMainForm::TellSkippedVoice() {
  if (SkippedVoice.empty()) return;
  const std::string name = std::move(SkippedVoice);
  SkippedVoice.clear();  // once: the ticks go on inside the message box
  ShowError(hwnd_, SkippedVoiceMessage(name));
}

// The index of a broken voice is stored and loaded again at the next start:
// the selector stays usable so that another voice can be chosen. The announce
// button and "Speak!" stay disabled until a voice loads.
void TMainForm::KeepLanguageSelectorUsable() { EnableWindow(LangSelButton.Handle(), TRUE); }

void TMainForm::LangMenuItemClick(ui::PopupMenu::Item& item) {
  // A choice from a menu opened before an announcement started waits for
  // nothing: the voice that speaks must stay loaded.
  if (SpeechBusy) return;
  const std::optional<int> index = LanguageIndexFromMenuItemName(item.Name);
  if (!index || *index < 0 || size_t(*index) >= LanguageList.size()) return;
  LangMenu.CheckRadio(size_t(*index));
  ClockSettings.SelectedLanguage = *index;
  LoadLanguage();
  PrepareSound();
  SaveSettings();
}

}  // namespace orlavox
