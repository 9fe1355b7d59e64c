# Programs that run on the build machine (the artwork generator and the like).
# A native build builds them as part of itself; a cross build builds tools/ as
# a separate native project first.
#
#   orlavox_host_tool(<var> <name>)  sets <var> to the tool's path
#   ORLAVOX_HOST_TOOLS_TARGET        target to depend on before running one
if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(ORLAVOX_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
  file(GLOB _tool_dirs LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tools/*)
  set(_byproducts)
  foreach(d ${_tool_dirs})
    if(IS_DIRECTORY ${d})
      get_filename_component(n ${d} NAME)
      list(APPEND _byproducts ${ORLAVOX_HOST_TOOLS_DIR}/${n})
    endif()
  endforeach()
  ExternalProject_Add(host_tools
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools
    BINARY_DIR ${ORLAVOX_HOST_TOOLS_DIR}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${ORLAVOX_HOST_TOOLS_DIR}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${_byproducts})
  set(ORLAVOX_HOST_TOOLS_TARGET host_tools)
  function(orlavox_host_tool var name)
    set(${var} ${ORLAVOX_HOST_TOOLS_DIR}/${name} PARENT_SCOPE)
  endfunction()
else()
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools ${CMAKE_BINARY_DIR}/tools)
  set(ORLAVOX_HOST_TOOLS_TARGET "")
  function(orlavox_host_tool var name)
    set(${var} $<TARGET_FILE:${name}> PARENT_SCOPE)
  endfunction()
endif()
