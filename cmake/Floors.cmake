# The floors of the house, each a static library that links only the floors
# below it. Every floor above the ground has its decisions (core: no
# <windows.h>, built natively too) and its Win32 code:
#
#   app         orlavox_core_app         orlavox_app          seams: orlavox_app_seams_<variant>
#   subsystems  orlavox_core_subsystems  orlavox_alarm (also on orlavox_shell, orlavox_display),
#                                        orlavox_settings (also on orlavox_shell), orlavox_shell,
#                                        orlavox_display, orlavox_speech
#   ui          orlavox_core_ui          orlavox_ui           seams: orlavox_ui_seams_<variant>
#   win                                  orlavox_win_ground   seams: orlavox_win_seams_<variant>
#
# A floor's Win32 library stands on its own floor's core and on the floors
# below; a subsystem may also link another one beside it as its includes do
# (which scripts/check-layers.sh keeps free of cycles). orlavox_core is the
# whole core, for the tests, benchmarks and tools.
#
# What the shipped program and the test build do differently is declared on
# the floor that needs it and defined there twice, in a small library per
# variant: <floor>/..._shipped.cpp and <floor>/..._testbuild.cpp. A floor's
# library links its seams library with the variant its program asks for (the
# target property ORLAVOX_SEAMS: "testbuild", else shipped), so the seams land
# right after the floor on the link line and no floor ever needs a name that
# only a higher floor defines.
#
# orlavox_floor_checks (one tiny program per floor library and variant, part
# of the normal build) links each floor library whole, with only what that
# library links: a call up a floor is an undefined reference there.

set(ORLAVOX_FLOOR_NAMES win ui subsystems app)
set_property(GLOBAL PROPERTY ORLAVOX_FLOOR_LIBRARIES "")

# A floor's rank: its core just under its Win32 code.
function(orlavox_floor_rank var floor part)
  list(FIND ORLAVOX_FLOOR_NAMES ${floor} index)
  if(index LESS 0)
    message(FATAL_ERROR "No floor named ${floor}")
  endif()
  math(EXPR rank "2 * ${index} + 1")
  if(part STREQUAL "core")
    math(EXPR rank "${rank} - 1")
  endif()
  set(${var} ${rank} PARENT_SCOPE)
endfunction()

# orlavox_floor(<target> <floor> core|win32 [sources...]): a floor's library.
function(orlavox_floor target floor part)
  add_library(${target} STATIC ${ARGN})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
  orlavox_floor_rank(rank ${floor} ${part})
  set_target_properties(${target} PROPERTIES ORLAVOX_FLOOR ${rank})
  set_property(GLOBAL APPEND PROPERTY ORLAVOX_FLOOR_LIBRARIES ${target})
endfunction()

# orlavox_floor_seams(<floor target> <shipped source> <test build source> [libraries...])
# The floor's seams, one library per variant; the floor links the one its
# program asks for. The libraries given are the lower floors the seams use.
function(orlavox_floor_seams floor shipped testbuild)
  get_target_property(rank ${floor} ORLAVOX_FLOOR)
  string(REPLACE "_ground" "" prefix "${floor}_seams_")
  foreach(variant shipped testbuild)
    add_library(${prefix}${variant} STATIC ${${variant}})
    target_include_directories(${prefix}${variant} PRIVATE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${prefix}${variant} PRIVATE ${ARGN})
    set_target_properties(${prefix}${variant} PROPERTIES ORLAVOX_FLOOR ${rank})
  endforeach()
  set_target_properties(${floor} PROPERTIES ORLAVOX_SEAMS_PREFIX ${prefix})
  target_link_libraries(${floor} INTERFACE
    ${prefix}$<IF:$<STREQUAL:$<TARGET_PROPERTY:ORLAVOX_SEAMS>,testbuild>,testbuild,shipped>)
endfunction()

# orlavox_link_house(<target> shipped|testbuild): the whole house, top floor
# down, with the seams of the given program.
function(orlavox_link_house target variant)
  set_property(TARGET ${target} PROPERTY ORLAVOX_SEAMS ${variant})
  target_link_libraries(${target} PRIVATE orlavox_app orlavox_resources)
endfunction()

# orlavox_floor_checks(): after every floor is defined. Each floor library
# (and its seams) may link only libraries of lower floors, a floor's Win32
# code also its own core, a subsystem also those beside it; then each links,
# whole and with its seams whole, into a small program of each variant with
# nothing else of the house than what it links itself.
function(orlavox_floor_checks)
  if(CMAKE_VERSION VERSION_LESS 3.24)
    message(WARNING "CMake ${CMAKE_VERSION} links no library whole ($<LINK_LIBRARY:WHOLE_ARCHIVE>, 3.24): "
                    "the floors go unchecked")
    return()
  endif()
  orlavox_floor_rank(subsystems subsystems win32)
  get_property(floors GLOBAL PROPERTY ORLAVOX_FLOOR_LIBRARIES)
  add_custom_target(orlavox_floor_checks ALL)
  foreach(lib IN LISTS floors)
    get_target_property(rank ${lib} ORLAVOX_FLOOR)
    get_target_property(prefix ${lib} ORLAVOX_SEAMS_PREFIX)
    set(own ${lib})
    if(prefix)
      list(APPEND own ${prefix}shipped ${prefix}testbuild)
    endif()
    foreach(t IN LISTS own)
      get_target_property(links ${t} LINK_LIBRARIES)
      foreach(dep IN LISTS links)
        if(TARGET ${dep})
          get_target_property(dep_rank ${dep} ORLAVOX_FLOOR)
          if(NOT dep_rank STREQUAL "dep_rank-NOTFOUND" AND
             (dep_rank GREATER rank OR (dep_rank EQUAL rank AND NOT rank EQUAL subsystems)))
            message(FATAL_ERROR "${t} links ${dep}, of its own floor or a higher one: floors link only downward")
          endif()
        endif()
      endforeach()
    endforeach()
    math(EXPR win32 "${rank} % 2")
    if(win32)
      set(variants shipped testbuild)
    else()
      set(variants core)  # the core has no seams
    endif()
    foreach(variant IN LISTS variants)
      set(check floor_check_${lib}_${variant})
      if(variant STREQUAL "core")
        set(check floor_check_${lib})
      endif()
      add_executable(${check} ${CMAKE_SOURCE_DIR}/cmake/floor_check.cpp)
      set_target_properties(${check} PROPERTIES ORLAVOX_SEAMS ${variant}
                                                RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/floor-checks)
      set(whole ${lib})
      if(prefix)
        # The seams come in through the floor as well: whole wherever they are.
        list(APPEND whole ${prefix}${variant})
        set_target_properties(${check} PROPERTIES LINK_LIBRARY_OVERRIDE_${prefix}${variant} WHOLE_ARCHIVE)
      endif()
      target_link_libraries(${check} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${whole}>")
      add_dependencies(orlavox_floor_checks ${check})
    endforeach()
  endforeach()
endfunction()
