// The voice host against the test plug-ins: loading, the Speak lookup, the
// guarded call surviving faulting plug-ins, and the voice folder's files.
#include "speech/voice_host.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "speech/tests/wintest_util.h"

namespace orlavox {
namespace {

using test::Env;
using test::ReadFileBytes;
using test::WriteFileBytes;

std::string Plugin(const char* name) { return std::string(ORLAVOX_TEST_PLUGIN_DIR) + "\\" + name + ".dll"; }

// A fresh log for the test plug-ins, read back line by line.
class PluginLog {
 public:
  PluginLog() {
    char dir[MAX_PATH];
    GetTempPathA(sizeof dir, dir);
    path_ = std::string(dir) + "orlavox-voice-test.log";
    DeleteFileA(path_.c_str());
    SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_LOG", path_.c_str());
  }
  ~PluginLog() {
    SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_LOG", nullptr);
    DeleteFileA(path_.c_str());
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::string text = ReadFileBytes(path_);
    for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
      lines.push_back(text.substr(at, end - at));
    return lines;
  }

 private:
  std::string path_;
};

std::string OnThisThread(const char* event) { return std::string(event) + " thread=" + std::to_string(GetCurrentThreadId()); }

TEST(VoiceModule, LoadsCallsAndFreesAVoice) {
  PluginLog log;
  const std::string path = Plugin("Test (logging)");
  {
    VoiceModule voice(path);
    ASSERT_TRUE(voice.Loaded());
    SpeakProc speak = voice.FindSpeak();
    ASSERT_NE(speak, nullptr);
    speak();
    EXPECT_EQ(log.Lines(), std::vector<std::string>{OnThisThread("spoke")});

    VoiceModule moved(std::move(voice));
    EXPECT_FALSE(voice.Loaded());
    EXPECT_EQ(voice.FindSpeak(), nullptr);
    EXPECT_EQ(moved.FindSpeak(), speak);
    EXPECT_NE(GetModuleHandleA(path.c_str()), nullptr);
  }
  EXPECT_EQ(GetModuleHandleA(path.c_str()), nullptr);
}

TEST(VoiceModule, ALibraryWithoutSpeakLoadsButIsNoVoice) {
  VoiceModule library(Plugin("Test (no Speak)"));
  ASSERT_TRUE(library.Loaded());
  EXPECT_EQ(library.FindSpeak(), nullptr);
  EXPECT_NE(GetProcAddress(library.Handle(), "Announce"), nullptr);
}

TEST(VoiceModule, FilesThatAreNoLibraryOrMissingFailToLoad) {
  EXPECT_TRUE(PathExists(Plugin("Test (not a library)")));
  VoiceModule text(Plugin("Test (not a library)"));
  EXPECT_FALSE(text.Loaded());
  EXPECT_EQ(text.FindSpeak(), nullptr);
  VoiceModule missing(Plugin("Test (nowhere)"));
  EXPECT_FALSE(missing.Loaded());
}

TEST(VoiceModule, ASleepingVoiceHoldsTheCallerForItsTime) {
  PluginLog log;
  SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_SLEEP_MS", "300");
  VoiceModule voice(Plugin("Test (sleeping)"));
  ASSERT_NE(voice.FindSpeak(), nullptr);
  const LARGE_INTEGER start = test::Now();
  voice.FindSpeak()();
  EXPECT_GE(test::SecondsSince(start), 0.29);
  SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_SLEEP_MS", nullptr);
  EXPECT_EQ(log.Lines(), (std::vector<std::string>{OnThisThread("begin"), OnThisThread("end")}));
}

// A "voice" that handles a fault of its own: IsBadReadPtr probes with an SEH
// frame of the system.
bool gProbeSawBadPointer = false;
void __stdcall ProbingSpeak() { gProbeSawBadPointer = IsBadReadPtr(nullptr, 4) != FALSE; }

void* ExceptionChain() {
  void* head;
  asm volatile("movl %%fs:0, %0" : "=r"(head));
  return head;
}

TEST(CallSpeakGuarded, SurvivesFaultingVoicesAndLeavesTheThreadSound) {
  PluginLog log;
  VoiceModule violation(Plugin("Test (access violation)"));
  VoiceModule division(Plugin("Test (division by zero)"));
  VoiceModule logging(Plugin("Test (logging)"));
  ASSERT_NE(violation.FindSpeak(), nullptr);
  ASSERT_NE(division.FindSpeak(), nullptr);
  ASSERT_NE(logging.FindSpeak(), nullptr);
  void* chain = ExceptionChain();

  for (int round = 0; round < 3; ++round) {
    GuardedCall call = CallSpeakGuarded(violation.FindSpeak());
    EXPECT_TRUE(call.faulted);
    EXPECT_EQ(call.exceptionCode, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
    call = CallSpeakGuarded(division.FindSpeak());
    EXPECT_TRUE(call.faulted);
    EXPECT_EQ(call.exceptionCode, static_cast<DWORD>(EXCEPTION_INT_DIVIDE_BY_ZERO));
    call = CallSpeakGuarded(logging.FindSpeak());
    EXPECT_FALSE(call.faulted);
    EXPECT_EQ(ExceptionChain(), chain);
  }
  EXPECT_EQ(log.Lines().size(), 9u);

  // Exceptions a voice handles itself never reach the guard.
  gProbeSawBadPointer = false;
  const GuardedCall probe = CallSpeakGuarded(ProbingSpeak);
  EXPECT_FALSE(probe.faulted);
  EXPECT_TRUE(gProbeSawBadPointer);
}

struct WorkerResult {
  SpeakProc speak;
  GuardedCall call;
  DWORD thread;
};

DWORD WINAPI GuardedOnWorker(void* param) {
  auto* result = static_cast<WorkerResult*>(param);
  result->call = CallSpeakGuarded(result->speak);
  result->thread = GetCurrentThreadId();
  return 0;
}

TEST(CallSpeakGuarded, WorksOnTheAnnouncementWorkerThread) {
  PluginLog log;
  VoiceModule violation(Plugin("Test (access violation)"));
  ASSERT_NE(violation.FindSpeak(), nullptr);
  WorkerResult result = {violation.FindSpeak(), {}, 0};
  HANDLE worker = CreateThread(nullptr, 0, GuardedOnWorker, &result, 0, nullptr);
  ASSERT_NE(worker, nullptr);
  ASSERT_EQ(WaitForSingleObject(worker, 10000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeThread(worker, &exitCode);
  CloseHandle(worker);
  EXPECT_EQ(exitCode, 0u);
  EXPECT_TRUE(result.call.faulted);
  EXPECT_EQ(log.Lines(), std::vector<std::string>{"fault thread=" + std::to_string(result.thread)});
}

// A program folder of its own under the build tree.
class VoiceFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = Env("ORLAVOX_TEST_SCRATCH");
    ASSERT_FALSE(root_.empty()) << "ORLAVOX_TEST_SCRATCH is not set";
    Remove(root_);
    CreateDirectoryA(root_.c_str(), nullptr);
    program_ = root_ + "\\";
  }
  void TearDown() override { Remove(root_); }

  static void Remove(const std::string& dir) {
    for (const std::string& name : FindFileNames(dir + "\\*")) {
      if (name == "." || name == "..") continue;
      const std::string path = dir + "\\" + name;
      if (GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) {
        Remove(path);
      } else {
        DeleteFileA(path.c_str());
      }
    }
    RemoveDirectoryA(dir.c_str());
  }
  void Put(const std::string& name, const std::string& content = "x") {
    ASSERT_TRUE(WriteFileBytes(program_ + name, content)) << name;
  }

  std::string root_, program_;
};

TEST_F(VoiceFolderTest, MigrationMovesLegacyVoicesAndRemovesTheRest) {
  ASSERT_TRUE(CreateDirectoryA((program_ + "voice").c_str(), nullptr));
  Put("engli.dll", "old English");
  Put("Germa.DLL", "old German");
  Put("voice\\German (male).dll", "current German");
  Put("helper.dll", "someone else's");
  Put("LANG.DAT");

  RunLegacyMigration(program_);

  EXPECT_EQ(ReadFileBytes(program_ + "voice\\English (female).dll"), "old English");
  EXPECT_EQ(ReadFileBytes(program_ + "voice\\German (male).dll"), "current German");
  EXPECT_FALSE(PathExists(program_ + "engli.dll"));
  EXPECT_FALSE(PathExists(program_ + "Germa.DLL"));
  EXPECT_FALSE(PathExists(program_ + "LANG.DAT"));
  EXPECT_TRUE(PathExists(program_ + "helper.dll"));
  EXPECT_EQ(ReadVoiceFolder(program_), (std::vector<std::string>{"English (female)", "German (male)"}));
}

TEST_F(VoiceFolderTest, MigrationDeletesLangDatWithoutLegacyVoicesAndNeverAVoiceItCouldNotMove) {
  Put("LANG.DAT");
  Put("ENGLI.DLL", "old English");  // no voice folder: the move fails
  RunLegacyMigration(program_);
  EXPECT_FALSE(PathExists(program_ + "LANG.DAT"));
  EXPECT_EQ(ReadFileBytes(program_ + "ENGLI.DLL"), "old English");
}

TEST_F(VoiceFolderTest, ListsTheFolderSortedWithoutCase) {
  EXPECT_EQ(ReadVoiceFolder(program_), std::vector<std::string>{"[No language]"});  // no voice folder
  ASSERT_TRUE(CreateDirectoryA((program_ + "voice").c_str(), nullptr));
  EXPECT_EQ(ReadVoiceFolder(program_), std::vector<std::string>{"[No language]"});
  Put("voice\\b.dll");
  Put("voice\\A.DLL");
  Put("voice\\c.Dll");
  Put("voice\\readme.txt");
  EXPECT_EQ(ReadVoiceFolder(program_), (std::vector<std::string>{"A", "b", "c"}));
  EXPECT_EQ(VoicePath(program_, "b"), program_ + "voice\\b.dll");
  EXPECT_LT(CompareTextInUserLocale("a", "B"), 0);
  EXPECT_EQ(CompareTextInUserLocale("abc", "ABC"), 0);
}

}  // namespace
}  // namespace orlavox
