@echo off
rem Builds "Example (tones).dll" with Visual C++, 32-bit.
rem Run it from "x86 Native Tools Command Prompt for VS" (cl must make x86 code).
rem /MT links the C runtime statically: the DLL needs no VCRUNTIME DLL.
cd /d "%~dp0"
cl /nologo /LD /O2 /MT /W3 example_voice.c winmm.lib /Fe"Example (tones).dll" /link /DEF:example_voice.def || exit /b 1
echo built Example (tones).dll
