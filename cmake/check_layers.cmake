# Lists which folders each folder of the DLL's sources includes, and fails when one includes a
# folder above it. The order, lowest first:
#   core < platform < controls < analysis | design | colour < app
# The three dialog folders are siblings: none includes another. The resource ids (res/) serve
# controls and everything above them; platform takes what it needs from them as arguments.
# core is plain C++: it includes no header of the Windows SDK.
#
#   cmake -DKORVEL_SOURCES=<the src folder> -P check_layers.cmake
cmake_minimum_required(VERSION 3.20)

if(NOT IS_DIRECTORY "${KORVEL_SOURCES}")
  message(FATAL_ERROR "KORVEL_SOURCES must name the src folder (given: '${KORVEL_SOURCES}')")
endif()

set(rank_core 0)
set(rank_platform 1)
set(rank_controls 2)
set(rank_analysis 3)
set(rank_design 3)
set(rank_colour 3)
set(rank_app 4)
set(lowest_user_of_res 2)  # controls

# True in `out` when a file of `from` may include a header of `to`.
function(may_include from to out)
  if(from STREQUAL to)
    set(${out} TRUE PARENT_SCOPE)
  elseif(to STREQUAL "res")
    if(DEFINED rank_${from} AND rank_${from} GREATER_EQUAL lowest_user_of_res)
      set(${out} TRUE PARENT_SCOPE)
    else()
      set(${out} FALSE PARENT_SCOPE)
    endif()
  elseif(DEFINED rank_${from} AND rank_${to} LESS rank_${from})
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE sources RELATIVE "${KORVEL_SOURCES}"
     "${KORVEL_SOURCES}/*.h" "${KORVEL_SOURCES}/*.cpp" "${KORVEL_SOURCES}/*.c" "${KORVEL_SOURCES}/*.rc")
list(SORT sources)

set(folders)
set(faults)
foreach(source IN LISTS sources)
  if(NOT source MATCHES "^([^/]+)/")
    continue()
  endif()
  set(from "${CMAKE_MATCH_1}")
  list(APPEND folders "${from}")
  file(STRINGS "${KORVEL_SOURCES}/${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "include[ \t]*([<\"])([^>\"]+)")
      continue()
    endif()
    set(bracket "${CMAKE_MATCH_1}")
    set(header "${CMAKE_MATCH_2}")
    if(from STREQUAL "core" AND bracket STREQUAL "<" AND header MATCHES "^(windows|windowsx|commctrl|commdlg|win[a-z0-9]*)\\.h$")
      list(APPEND faults "src/${source} includes <${header}>: core includes no Windows header")
    endif()
    if(NOT bracket STREQUAL "\"")
      continue()
    endif()
    # A path with "." or ".." is read from the including file's folder.
    if(header MATCHES "^\\.\\.?/")
      get_filename_component(dir "${source}" DIRECTORY)
      cmake_path(SET header NORMALIZE "${dir}/${header}")
    endif()
    if(NOT header MATCHES "^([^/.][^/]*)/")
      continue()
    endif()
    set(to "${CMAKE_MATCH_1}")
    if(NOT DEFINED rank_${to} AND NOT to STREQUAL "res")
      continue()  # not one of the DLL's folders
    endif()
    list(APPEND uses_${from} "${to}")
    may_include("${from}" "${to}" allowed)
    if(NOT allowed)
      list(APPEND faults "src/${source} includes ${header}: ${from} may not include ${to}")
    endif()
  endforeach()
endforeach()

list(REMOVE_DUPLICATES folders)
foreach(folder IN LISTS folders)
  set(used "${uses_${folder}}")
  if(used)
    list(REMOVE_DUPLICATES used)
    list(SORT used)
  endif()
  list(JOIN used " " used)
  message(STATUS "${folder} includes: ${used}")
endforeach()

if(faults)
  list(JOIN faults "\n  " faults)
  message(FATAL_ERROR "Includes against the layering:\n  ${faults}")
endif()
message(STATUS "No folder includes one above it.")
