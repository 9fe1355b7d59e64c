@echo off
rem Builds "Example (tones).dll" with Visual C++, 32-bit.
rem Run it from "x86 Native Tools Command Prompt for VS" (cl must make x86 code).
rem rc compiles the clips (example_voice.rc) into the DLL; /MT links the C
rem runtime statically: the DLL needs no VCRUNTIME DLL.
cd /d "%~dp0"
rc /nologo example_voice.rc || exit /b 1
cl /nologo /LD /O2 /MT /W3 example_voice.c example_voice.res winmm.lib /Fe"Example (tones).dll" /link /DEF:example_voice.def || exit /b 1
echo built Example (tones).dll
