# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
#
# tarvel_library(NAME SOURCES ... [DEPENDS lib ...]): one folder, one static
# library. Its headers are published as "NAME/Header.h" through an include
# root that holds nothing but a link to this folder, so a header of a library
# that is not among the dependencies is simply not found: the layering is
# checked by the compiler. The folders are added from the ground up, so every
# dependency must already be defined (a target, or a library file found on
# the system): an edge upward fails at configure time. No file of the folder,
# at any depth, may include through "..", which would step round the include
# roots. The source lists are kept in TARVEL_<NAME>_SOURCES (absolute paths)
# for builds that compile the same files differently (fuzz/).
function(tarvel_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;DEPENDS")
  foreach(dependency ${arg_DEPENDS})
    if(NOT TARGET ${dependency} AND NOT (IS_ABSOLUTE "${dependency}" AND EXISTS "${dependency}"))
      message(FATAL_ERROR "${name}: depends on ${dependency}, which is not defined below it; "
                          "a library may depend only on the layers added before it")
    endif()
  endforeach()

  set(include_root ${CMAKE_BINARY_DIR}/include/${name})
  file(MAKE_DIRECTORY ${include_root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${include_root}/${name} SYMBOLIC)

  file(GLOB_RECURSE own_files LIST_DIRECTORIES false ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(file ${own_files})
    file(STRINGS ${file} escapes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*\\.\\.")
    if(escapes)
      message(FATAL_ERROR "${file}: include through \"..\"; name the library's header instead")
    endif()
  endforeach()

  add_library(${name} STATIC ${arg_SOURCES})
  target_include_directories(${name} PUBLIC ${include_root})
  if(arg_DEPENDS)
    target_link_libraries(${name} PUBLIC ${arg_DEPENDS})
  endif()
  list(TRANSFORM arg_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  set(TARVEL_${name}_SOURCES ${arg_SOURCES} CACHE INTERNAL "Sources of the ${name} library")
endfunction()
