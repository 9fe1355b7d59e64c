// voicecheck: tells whether voice DLLs can be used by the Orlavox clock.
//
//   voicecheck [--timeout SECONDS] <voice.dll> [more.dll ...]
//
// Each DLL is loaded the way the clock loads it (LoadLibraryW of the path,
// GetProcAddress of "Speak") and its Speak is called once, on a worker thread
// and through the clock's own fault guard (CallSpeakGuarded). A thunk around
// the call checks the calling convention: the stack pointer and the
// callee-saved registers must be as they were. One line per finding, then a
// verdict per DLL. Exit code: 0 every voice is usable, 1 some voice is not,
// 2 the command line is wrong.
#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "speech/voice_host.h"
#include "speech/voice_list.h"
#include "win/wide_text.h"

#if !defined(__i386__)
#error "voicecheck checks 32-bit voices: build it for i386"
#endif

namespace {

// What the thunk saw around one call of Speak; the thunk reads and writes
// the first fields at fixed offsets.
struct CallRecord {
  orlavox::SpeakProc speak;   // 0: the voice's Speak
  DWORD espBefore;            // 4: ESP at the call
  DWORD espAfter;             // 8: ESP when Speak returned
  DWORD ebx, esi, edi, ebp;   // 12..24: the registers when Speak returned
  orlavox::GuardedCall guarded;
  double seconds = 0;
  bool returned = false;  // false when Speak ended the thread instead of returning
};
static_assert(offsetof(CallRecord, espAfter) == 8 && offsetof(CallRecord, ebp) == 24, "the thunk's offsets");

// The values the thunk puts in the callee-saved registers before the call.
#define MARK_EBX 0x0EB00EB0
#define MARK_ESI 0x0E510E51
#define MARK_EDI 0x0ED10ED1
#define MARK_EBP 0x0EB50EB5
#define STR2(x) #x
#define STR(x) STR2(x)

thread_local CallRecord* tRecord = nullptr;

}  // namespace

extern "C" CallRecord* voicecheck_record() { return tRecord; }
// A Speak of its own: calls this thread's record->speak with marked
// registers and records ESP and the registers after it. Whatever Speak did
// to ESP, the thunk goes back to its own frame; the 256 bytes below it take
// the writes of a Speak that believes it has arguments, and the pushes after
// a Speak that removed them.
extern "C" void __stdcall voicecheck_thunk(void);
asm(R"(
    .text
    .globl _voicecheck_thunk@0
    .def _voicecheck_thunk@0; .scl 2; .type 32; .endef
_voicecheck_thunk@0:
    pushl %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    call _voicecheck_record              # eax: this thread's record
    subl $256, %esp
    movl %esp, 4(%eax)                   # espBefore
    movl (%eax), %ecx                    # the voice's Speak
    movl $)" STR(MARK_EBX) R"(, %ebx
    movl $)" STR(MARK_ESI) R"(, %esi
    movl $)" STR(MARK_EDI) R"(, %edi
    movl $)" STR(MARK_EBP) R"(, %ebp
    call *%ecx
    pushl %ebp                           # the registers as Speak left them
    pushl %edi
    pushl %esi
    pushl %ebx
    call _voicecheck_record
    leal 16(%esp), %ecx
    movl %ecx, 8(%eax)                   # espAfter
    popl 12(%eax)                        # ebx, esi, edi, ebp
    popl 16(%eax)
    popl 20(%eax)
    popl 24(%eax)
    movl 4(%eax), %esp                   # back to this frame
    addl $256, %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");

namespace {

DWORD WINAPI CallThread(void* parameter) {
  auto* record = static_cast<CallRecord*>(parameter);
  tRecord = record;
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  record->guarded = orlavox::CallSpeakGuarded(&voicecheck_thunk);
  QueryPerformanceCounter(&end);
  record->seconds = double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
  record->returned = true;
  return 0;
}

std::string ExceptionInWords(DWORD code) {
  char hex[32];
  std::snprintf(hex, sizeof hex, "exception 0x%08lX", static_cast<unsigned long>(code));
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION: return std::string("an access violation (") + hex + ")";
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO: return std::string("a division by zero (") + hex + ")";
    case EXCEPTION_STACK_OVERFLOW: return std::string("a stack overflow (") + hex + ")";
    case EXCEPTION_ILLEGAL_INSTRUCTION: return std::string("an illegal instruction (") + hex + ")";
    case 0xE06D7363: return std::string("a C++ exception nobody caught (") + hex + ")";
    default: return std::string("an error, ") + hex;
  }
}

std::string FileName(const std::string& path) {
  const size_t slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool EndsWithDllIgnoringCase(const std::string& name) {
  return name.size() > 4 && orlavox::CompareTextIgnoringCase(name.substr(name.size() - 4), ".dll") == 0;
}

// What the first bytes of the file say it is; empty when a 32-bit DLL.
std::string ImageProblem(const std::string& path) {
  HANDLE file = CreateFileW(orlavox::Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "it cannot be opened for reading";
  unsigned char head[4096] = {};
  DWORD got = 0;
  ReadFile(file, head, sizeof head, &got, nullptr);
  CloseHandle(file);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(head);
  if (got < sizeof *dos || dos->e_magic != IMAGE_DOS_SIGNATURE)
    return "it is not a Windows DLL at all (it does not start with \"MZ\")";
  const DWORD at = DWORD(dos->e_lfanew);
  if (got < sizeof(IMAGE_NT_HEADERS32) || at > got - sizeof(IMAGE_NT_HEADERS32))
    return "it is an old DOS program, not a Windows DLL";
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(head + at);
  if (nt->Signature != IMAGE_NT_SIGNATURE) return "it is an old DOS or 16-bit program, not a 32-bit Windows DLL";
  if (nt->FileHeader.Machine != IMAGE_FILE_MACHINE_I386)
    return "it is not a 32-bit x86 DLL (a 64-bit or ARM one?); the clock is a 32-bit program";
  if (!(nt->FileHeader.Characteristics & IMAGE_FILE_DLL)) return "it is a program (.exe), not a DLL";
  return "";
}

std::string LoadErrorInWords(DWORD error) {
  switch (error) {
    case ERROR_DLL_INIT_FAILED: return "its DllMain returned FALSE, so Windows unloaded it again";
    case ERROR_MOD_NOT_FOUND: return "a DLL it needs is missing: a voice may use only Windows' own DLLs";
    case ERROR_PROC_NOT_FOUND: return "it needs a function this Windows does not have";
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_BAD_FORMAT: return "Windows does not take it for a 32-bit DLL";
  }
  char text[256] = "";
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text,
                 nullptr);
  std::string s = text;
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ')) s.pop_back();
  return "Windows error " + std::to_string(error) + (s.empty() ? "" : ": " + s);
}

// The names the loaded DLL exports.
std::vector<std::string> ExportNames(HMODULE module) {
  std::vector<std::string> names;
  auto* base = reinterpret_cast<const BYTE*>(module);
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (dir.VirtualAddress == 0 || dir.Size == 0) return names;
  auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  auto* rvas = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i)
    names.emplace_back(reinterpret_cast<const char*>(base + rvas[i]));
  return names;
}

// "Speak" with a stdcall or cdecl decoration, or in another case.
bool LooksLikeSpeak(std::string name) {
  if (!name.empty() && name[0] == '_') name.erase(0, 1);
  const size_t at = name.find('@');
  if (at != std::string::npos) name.erase(at);
  return orlavox::CompareTextIgnoringCase(name, "Speak") == 0;
}

struct Voice {
  std::string path;
  bool usable = false;
  bool hangs = false;
};

void Say(const char* what, const std::string& text) { std::printf("  %-10s %s\n", what, text.c_str()); }

// Prints the findings for one voice and its verdict.
void Check(Voice& voice, DWORD timeoutMs) {
  const std::string file = FileName(voice.path);
  const std::string menuName = orlavox::BuildVoiceList({file}).front();  // the clock's own naming
  std::printf("%s\n", voice.path.c_str());
  auto notUsable = [&](const std::string& why) { std::printf("NOT USABLE: %s: %s.\n", file.c_str(), why.c_str()); };

  const DWORD attributes = GetFileAttributesW(orlavox::Wide(voice.path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return Say("file:", "not found"), notUsable("there is no such file");
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return Say("file:", "a folder"), notUsable("it is a folder");
  const std::string problem = ImageProblem(voice.path);
  Say("file:", problem.empty() ? "a 32-bit Windows DLL" : problem);
  if (!EndsWithDllIgnoringCase(file))
    Say("name:", "the clock lists only files whose names end in \".dll\": rename it");
  else
    Say("name:", "the language menu shows it as \"" + menuName + "\"");

  orlavox::VoiceModule module(voice.path);
  if (!module.Loaded()) {
    Say("load:", "LoadLibraryW failed: " + LoadErrorInWords(GetLastError()));
    Say("clock:", "would say \"" + orlavox::LoadFailedMessage(menuName) + "\"");
    return notUsable(problem.empty() ? "it does not load" : problem);
  }
  Say("load:", "LoadLibraryW loads it");

  CallRecord* record = new CallRecord();  // kept by a call that hangs
  record->speak = module.FindSpeak();
  if (!record->speak) {
    std::string found, all;
    for (const std::string& name : ExportNames(module.Handle())) {
      all += (all.empty() ? "" : ", ") + name;
      if (LooksLikeSpeak(name) && found.empty()) found = name;
    }
    if (!found.empty())
      Say("export:", "no \"Speak\", only \"" + found + "\": export it under the plain name \"Speak\" with a .def file");
    else
      Say("export:", "no \"Speak\"; it exports " + (all.empty() ? std::string("nothing") : all));
    Say("clock:", "would say \"" + orlavox::SpeakMissingMessage(menuName) + "\"");
    delete record;
    return notUsable("it does not export \"Speak\"");
  }
  Say("export:", "\"Speak\" under its plain name");

  HANDLE thread = CreateThread(nullptr, 0, &CallThread, record, 0, nullptr);
  if (!thread) {
    delete record;
    return notUsable("voicecheck could not start a thread to call Speak");
  }
  if (WaitForSingleObject(thread, timeoutMs) == WAIT_TIMEOUT) {
    char text[160];
    std::snprintf(text, sizeof text, "Speak has not returned after %lu s: it hangs", timeoutMs / 1000);
    Say("call:", text);
    Say("clock:", "would wait for it, its speech buttons disabled, until it is closed");
    voice.hangs = true;
    new orlavox::VoiceModule(std::move(module));  // never unloaded: its Speak may still run
    return notUsable("Speak does not return");
  }
  CloseHandle(thread);
  std::unique_ptr<CallRecord> done(record);
  char text[200];
  if (done->guarded.faulted) {
    const std::string fault = ExceptionInWords(done->guarded.exceptionCode);
    std::snprintf(text, sizeof text, "Speak crashed after %.3f s with %s", done->seconds, fault.c_str());
    Say("call:", text);
    Say("clock:", "catches the crash and carries on, but the time is not announced");
    return notUsable("Speak crashes with " + fault.substr(0, fault.find(" (")));
  }
  if (!done->returned) {
    Say("call:", "Speak ended the thread that called it (ExitThread) instead of returning");
    Say("clock:", "notices that its speech thread ended, carries on, but the time is not announced");
    return notUsable("Speak ends the calling thread instead of returning");
  }
  std::snprintf(text, sizeof text, "Speak returned after %.3f s", done->seconds);
  Say("call:", text);

  bool ok = true;
  const long moved = long(done->espAfter) - long(done->espBefore);
  if (moved == 0) {
    Say("stack:", "as before the call: Speak takes no arguments (stdcall or cdecl, the same here)");
  } else {
    if (moved > 0)
      std::snprintf(text, sizeof text, "Speak removed %ld bytes from the caller's stack: it is declared with arguments",
                    moved);
    else
      std::snprintf(text, sizeof text, "Speak left %ld bytes on the stack", -moved);
    Say("stack:", text);
    ok = false;
  }
  const struct {
    const char* name;
    DWORD value, mark;
  } registers[] = {{"EBX", done->ebx, MARK_EBX},
                   {"ESI", done->esi, MARK_ESI},
                   {"EDI", done->edi, MARK_EDI},
                   {"EBP", done->ebp, MARK_EBP}};
  std::vector<std::string> changedNames;
  for (const auto& r : registers)
    if (r.value != r.mark) changedNames.push_back(r.name);
  std::string changed;  // "EBX", "EBX and EDI", "EBX, ESI and EDI"
  for (size_t i = 0; i < changedNames.size(); ++i)
    changed += (i == 0 ? "" : i + 1 == changedNames.size() ? " and " : ", ") + changedNames[i];
  if (changed.empty()) {
    Say("registers:", "EBX, ESI, EDI and EBP are kept");
  } else {
    Say("registers:", "Speak changes " + changed + " and does not restore them");
    ok = false;
  }
  if (!ok) return notUsable("Speak breaks the calling convention and would corrupt the clock");
  voice.usable = true;
  std::printf("OK: %s can be used by the clock.\n", file.c_str());
}

int Usage(const char* problem) {
  if (problem) std::fprintf(stderr, "voicecheck: %s\n", problem);
  std::fprintf(stderr,
               "usage: voicecheck [--timeout SECONDS] <voice.dll> [more.dll ...]\n"
               "Loads each voice as the Orlavox clock does, calls its Speak once and tells\n"
               "whether the clock can use it. --timeout: how long Speak may take (30 s).\n"
               "Exit code: 0 all usable, 1 some not usable, 2 usage error.\n");
  return 2;
}

// The arguments as UTF-8, read from the wide command line: a voice under
// C:\Users\José is found whatever the ANSI code page.
std::vector<std::string> Arguments() {
  std::vector<std::string> args;
  int n = 0;
  if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &n)) {
    for (int i = 0; i < n; ++i) args.push_back(orlavox::Utf8(wide[i]));
    LocalFree(wide);
  }
  return args;
}

// The console shows the UTF-8 output as written while voicecheck runs.
struct Utf8Console {
  UINT before = GetConsoleOutputCP();
  Utf8Console() {
    if (before) SetConsoleOutputCP(CP_UTF8);
  }
  ~Utf8Console() {
    if (before) SetConsoleOutputCP(before);
  }
};

}  // namespace

int main() {
  const Utf8Console console;
  const std::vector<std::string> argv = Arguments();
  const int argc = int(argv.size());
  DWORD timeoutSeconds = 30;
  std::vector<Voice> voices;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--timeout") {
      char* end = nullptr;
      const unsigned long value = i + 1 < argc ? std::strtoul(argv[i + 1].c_str(), &end, 10) : 0;
      if (!end || *end != '\0' || value == 0 || value > 3600) return Usage("--timeout takes 1 to 3600 seconds");
      timeoutSeconds = DWORD(value);
      ++i;
    } else if (arg == "--help" || arg == "-h" || arg == "/?") {
      Usage(nullptr);
      return 0;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Usage(("unknown option " + arg).c_str());
    } else {
      voices.push_back({arg});
    }
  }
  if (voices.empty()) return Usage("no voice DLL given");

  const UINT devices = waveOutGetNumDevs();
  std::printf("voicecheck: %u sound output device%s here%s\n", devices, devices == 1 ? "" : "s",
              devices ? "" : "; a voice should then return at once");
  bool allUsable = true, anyHangs = false;
  for (Voice& voice : voices) {
    Check(voice, timeoutSeconds * 1000);
    allUsable = allUsable && voice.usable;
    anyHangs = anyHangs || voice.hangs;
  }
  const int code = allUsable ? 0 : 1;
  std::fflush(stdout);
  // A Speak that hangs still runs: end at once, without unloading its DLL.
  if (anyHangs) {
    if (console.before) SetConsoleOutputCP(console.before);
    TerminateProcess(GetCurrentProcess(), UINT(code));
  }
  return code;
}
