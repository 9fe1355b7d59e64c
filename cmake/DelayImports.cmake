# Windows' libraries that are not "known DLLs" (winmm, msimg32, oleacc,
# version, comctl32) are imported delay-loaded: the loader resolves a
# program's imports before WinMain runs, looking in the program's folder first,
# where a planted winmm.dll (a Downloads folder) would be run. Delay-loaded,
# each is loaded at its first call, after WinMain has restricted the search
# to the system folder (SetDefaultDllDirectories). comdlg32, a known DLL,
# is delay-loaded too: it brings comctl32, which only a dialog needs.
#
# orlavox_delay_imports(<var> <name>...): builds lib<name>_delay.a for each
# from MinGW's import library lib<name>.a (its functions listed into a .def
# file, then dlltool) and sets <var> to their paths; the target
# orlavox_delay_imports builds them.
function(orlavox_delay_imports var)
  find_program(ORLAVOX_DLLTOOL NAMES ${TOOLCHAIN_PREFIX}-dlltool i686-w64-mingw32-dlltool REQUIRED)
  set(dir ${CMAKE_BINARY_DIR}/delay-imports)
  set(libs)
  set(renames)
  foreach(n 2 4 5 6 7)
    list(APPEND renames --rename-section ".idata$${n}=.didat$${n},alloc,load,contents,data")
  endforeach()
  foreach(name IN LISTS ARGN)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=lib${name}.a
                    OUTPUT_VARIABLE implib OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(def ${dir}/${name}.def)
    set(lib ${dir}/lib${name}_delay.a)
    add_custom_command(OUTPUT ${lib}
      COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DIMPLIB=${implib} -DDLL=${name}.dll -DDEF=${def}
              -P ${CMAKE_SOURCE_DIR}/cmake/import_def.cmake
      COMMAND ${ORLAVOX_DLLTOOL} --kill-at --input-def ${def} --output-delaylib ${lib} --dllname ${name}.dll
      # dlltool puts the delay-load tables in .idata$N sections, which GNU ld
      # lays out as the load-time import table: the address slots stay zero
      # and the first call jumps to address 0. In sections of their own
      # (.didat, as Microsoft's linker names them) they are plain data.
      COMMAND ${CMAKE_OBJCOPY} ${renames} ${lib}
      DEPENDS ${implib} ${CMAKE_SOURCE_DIR}/cmake/import_def.cmake
      COMMENT "Delay-loaded imports of ${name}.dll" VERBATIM)
    list(APPEND libs ${lib})
  endforeach()
  add_custom_target(orlavox_delay_imports DEPENDS ${libs})
  set(${var} ${libs} PARENT_SCOPE)
endfunction()
