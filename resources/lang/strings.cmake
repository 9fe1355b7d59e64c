# The words of the clock's windows: one UTF-8 file per language in this
# folder, the languages listed once in languages.def. At configure time (and
# again whenever en.txt or the list changes) this writes into <out>:
#   resources/lang_keys.h  enum class Str, one name per key of en.txt ("settings.caption" is
#                          Str::settings_caption), the keys and the English texts: a misspelt key does not compile
#   lang_files.rc          each language's file as RCDATA IDR_LANG_FIRST + its place in the list
function(orlavox_lang_generate out)
  set(dir ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${dir}/en.txt ${dir}/languages.def ${dir}/../resource_ids.h)
  file(READ ${dir}/en.txt text)
  # CMake's lists split at ";" and keep "[...]" together: both are set aside while the lines are split.
  string(REPLACE "\\" "@backslash@" text "${text}")
  string(REPLACE ";" "@semicolon@" text "${text}")
  string(REPLACE "[" "@open@" text "${text}")
  string(REPLACE "]" "@close@" text "${text}")
  string(REPLACE "\r" "" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(names "")
  set(keys "")
  set(texts "")
  set(seen "")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(line MATCHES "^[ \t]*(#.*)?$")
      continue()
    endif()
    if(NOT line MATCHES "^[ \t]*([A-Za-z][A-Za-z0-9_.]*)[ \t]*=(.*)$")
      message(FATAL_ERROR "${dir}/en.txt:${number}: not a line \"key = text\"")
    endif()
    set(key ${CMAKE_MATCH_1})
    string(STRIP "${CMAKE_MATCH_2}" value)
    if(key IN_LIST seen)
      message(FATAL_ERROR "${dir}/en.txt:${number}: the key ${key} comes twice")
    endif()
    list(APPEND seen ${key})
    string(REPLACE "." "_" name ${key})
    # As a C string: the backslashes doubled, the quotes escaped.
    string(REPLACE "\"" "\\\"" value "${value}")
    string(REPLACE "@backslash@" "\\\\" value "${value}")
    string(REPLACE "@semicolon@" ";" value "${value}")
    string(REPLACE "@open@" "[" value "${value}")
    string(REPLACE "@close@" "]" value "${value}")
    string(APPEND names "  ${name},\n")
    string(APPEND keys "    \"${key}\",\n")
    string(APPEND texts "    \"${value}\",\n")
  endforeach()
  list(LENGTH seen count)
  set(header "#pragma once
// Written by resources/lang/strings.cmake from resources/lang/en.txt: edit that file, not this one.
namespace orlavox {

// A text of the clock's windows: the key \"settings.caption\" of the strings files is Str::settings_caption.
enum class Str : unsigned short {
${names}};
inline constexpr int kStrCount = ${count};

// The keys, in the order of Str.
inline constexpr const char* kStrKeys[kStrCount] = {
${keys}};

// The English texts as en.txt writes them (\\\\n for a line break), in the order of Str.
inline constexpr const char* kStrEnglishSource[kStrCount] = {
${texts}};

}  // namespace orlavox
")
  file(WRITE ${out}/lang_keys.h.new "${header}")
  configure_file(${out}/lang_keys.h.new ${out}/resources/lang_keys.h COPYONLY)

  file(STRINGS ${dir}/../resource_ids.h first REGEX "^#define IDR_LANG_FIRST ")
  string(REGEX REPLACE "^#define IDR_LANG_FIRST ([0-9]+).*" "\\1" first "${first}")
  file(STRINGS ${dir}/languages.def languages REGEX "^ORLAVOX_LANGUAGE\\(")
  # A new file in the folder configures again.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${dir})
  set(rc "// Written by resources/lang/strings.cmake from resources/lang/languages.def.\n")
  set(index 0)
  set(files "")
  foreach(line IN LISTS languages)
    if(NOT line MATCHES "^ORLAVOX_LANGUAGE\\([A-Za-z]+, *\"([A-Za-z_-]+)\"")
      message(FATAL_ERROR "${dir}/languages.def: cannot read \"${line}\"")
    endif()
    set(file ${dir}/${CMAKE_MATCH_1}.txt)
    math(EXPR id "${first} + ${index}")
    math(EXPR index "${index} + 1")
    if(EXISTS ${file})
      string(APPEND rc "${id} RCDATA \"${file}\"\n")
      list(APPEND files ${file})
    else()
      # Until its file is written the language shows English.
      message(STATUS "No strings file ${file}: that language shows English")
    endif()
  endforeach()
  file(WRITE ${out}/lang_files.rc.new "${rc}")
  configure_file(${out}/lang_files.rc.new ${out}/lang_files.rc COPYONLY)
  set(ORLAVOX_LANG_FILES ${files} PARENT_SCOPE)
endfunction()
