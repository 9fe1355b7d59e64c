#include "speech/voice_host.h"

#include "speech/voice_list.h"
#include "win/wide_text.h"

#if !defined(__i386__)
#error "CallSpeakGuarded handles exceptions with i386 frame-based SEH"
#endif

namespace orlavox {

VoiceModule::VoiceModule(const std::string& path) {
  // No "bad image" or "missing file" boxes: a failed load is the clock's to
  // report.
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  // The program searches only the system folder for libraries; a voice may
  // keep libraries of its own beside it in the voice folder.
  module_ = LoadLibraryExW(Wide(path).c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetErrorMode(oldMode);
}

VoiceModule& VoiceModule::operator=(VoiceModule&& other) noexcept {
  if (this != &other) {
    Reset();
    module_ = other.module_;
    other.module_ = nullptr;
  }
  return *this;
}

SpeakProc VoiceModule::FindSpeak() const {
  if (!module_) return nullptr;
  return reinterpret_cast<SpeakProc>(GetProcAddress(module_, ORLAVOX_SPEAK_EXPORT));
}

void VoiceModule::Reset() {
  if (module_) FreeLibrary(module_);
  module_ = nullptr;
}

// MinGW has no __try on i386, so the guarded call registers its own SEH
// frame. A frame handler (unlike a vectored one) only sees the exceptions
// that the plug-in's own handlers passed on.
//
// The frame on the stack is the system's two words (next, handler) followed
// by a pointer to the guard, so the handler finds its guard from the
// establisher frame it is given.
namespace {

struct FaultGuard {
  void* resume[5];  // __builtin_setjmp buffer
  DWORD code;
};

struct GuardFrame {
  EXCEPTION_REGISTRATION_RECORD record;
  FaultGuard* guard;
};

}  // namespace

extern "C" {
// Calls speak with a GuardFrame pushed on the thread's exception chain.
void orlavox_call_in_fault_frame(SpeakProc speak, FaultGuard* guard);
// RtlUnwind to frame, keeping the registers the caller expects kept.
void orlavox_unwind_to_frame(void* frame, EXCEPTION_RECORD* record);
EXCEPTION_DISPOSITION __cdecl orlavox_fault_frame_handler(EXCEPTION_RECORD* record, void* frame, CONTEXT* context,
                                                         void* dispatcher);
}

asm(R"(
    .text
    .globl _orlavox_call_in_fault_frame
    .def _orlavox_call_in_fault_frame; .scl 2; .type 32; .endef
_orlavox_call_in_fault_frame:
    pushl %ebp
    movl %esp, %ebp
    pushl 12(%ebp)                        # guard
    pushl $_orlavox_fault_frame_handler   # handler
    pushl %fs:0                           # next
    movl %esp, %fs:0
    call *8(%ebp)                         # stdcall, no arguments
    movl -12(%ebp), %eax
    movl %eax, %fs:0
    movl %ebp, %esp
    popl %ebp
    ret

    .globl _orlavox_unwind_to_frame
    .def _orlavox_unwind_to_frame; .scl 2; .type 32; .endef
_orlavox_unwind_to_frame:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    pushl $0                              # return value
    pushl 12(%ebp)                        # exception record
    pushl $0                              # target ip: we resume ourselves
    pushl 8(%ebp)                         # target frame
    call _RtlUnwind@16
    leal -12(%ebp), %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");

extern "C" EXCEPTION_DISPOSITION __cdecl orlavox_fault_frame_handler(EXCEPTION_RECORD* record, void* frame,
                                                                    CONTEXT*, void*) {
  if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) return ExceptionContinueSearch;
  // Informational codes (debug output, thread names) are not failures.
  if ((record->ExceptionCode & 0x80000000u) == 0) return ExceptionContinueSearch;
  FaultGuard* guard = static_cast<GuardFrame*>(frame)->guard;
  guard->code = record->ExceptionCode;
  orlavox_unwind_to_frame(frame, record);
  __builtin_longjmp(guard->resume, 1);
}

namespace {

// The head of this thread's exception chain (NT_TIB::ExceptionList, fs:0).
void* ExceptionList() {
  void* head;
  asm volatile("movl %%fs:0, %0" : "=r"(head));
  return head;
}

void SetExceptionList(void* head) { asm volatile("movl %0, %%fs:0" : : "r"(head) : "memory"); }

}  // namespace

GuardedCall CallSpeakGuarded(SpeakProc speak) {
  FaultGuard guard = {};
  void* volatile outer = ExceptionList();
  if (__builtin_setjmp(guard.resume) == 0) {
    orlavox_call_in_fault_frame(speak, &guard);
    return {};
  }
  // Back from the handler: the unwind stopped at our frame, which is still
  // on the chain.
  SetExceptionList(outer);
  return {true, guard.code};
}

std::vector<std::string> FindFileNames(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(Wide(pattern).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(Utf8(data.cFileName));
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return names;
}

bool PathExists(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

void RunLegacyMigration(const std::string& programFolder) {
  const std::string voiceFolder = programFolder + kVoiceFolderName + "\\";
  const std::vector<MigrationStep> plan =
      PlanLegacyMigration(FindFileNames(programFolder + "*.DLL"),
                          [&](const std::string& name) { return PathExists(voiceFolder + name); },
                          PathExists(programFolder + kLegacyLanguageFile));
  for (const MigrationStep& step : plan) {
    const std::string source = programFolder + step.source;
    // A move that fails (the file in use, no voice folder) leaves the old
    // voice where it is: it is deleted only when its copy is already in place.
    if (step.action == MigrationStep::Action::Move)
      MoveFileW(Wide(source).c_str(), Wide(programFolder + step.target).c_str());
    else
      DeleteFileW(Wide(source).c_str());
  }
}

int CompareTextInUserLocale(std::string_view a, std::string_view b) {
  const std::wstring wa = Wide(std::string(a)), wb = Wide(std::string(b));
  const int result = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.c_str(), static_cast<int>(wa.size()),
                                    wb.c_str(), static_cast<int>(wb.size()));
  return result == 0 ? CompareTextIgnoringCase(a, b) : result - CSTR_EQUAL;
}

std::vector<std::string> ReadVoiceFolder(const std::string& programFolder) {
  return BuildVoiceList(FindFileNames(programFolder + kVoiceFolderName + "\\*.DLL"), CompareTextInUserLocale);
}

std::string VoicePath(const std::string& programFolder, const std::string& voiceName) {
  return programFolder + kVoiceFolderName + "\\" + voiceName + ".dll";
}

}  // namespace orlavox
