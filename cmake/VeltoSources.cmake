# One static library per folder, stacked so that a folder reaches only the
# folders below it:
#   os <- files <- expr <- meta <- ops <- config <- ui, shell <- app
#
# velto_layer(<folder> [WIN32_ONLY] [BELOW lib ...] [EXCLUDE file ...])
# makes velto_<folder> from every .cpp of the folder (files named *_win32.cpp
# only for Win32, *_posix.cpp only natively, the two sides of the OS seam)
# and links it to the libraries BELOW it. Its headers are found as
# "<folder>/X.h" only by the targets that link it: the include directory it
# exposes holds nothing but a link to its own folder, so an include of a
# higher folder finds no file and fails to build. WIN32_ONLY folders are not
# built natively.
function(velto_layer folder)
  cmake_parse_arguments(L "WIN32_ONLY" "" "BELOW;EXCLUDE" ${ARGN})
  if(L_WIN32_ONLY AND NOT WIN32)
    return()
  endif()
  set(target velto_${folder})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(kept)
  foreach(f ${srcs})
    get_filename_component(n ${f} NAME)
    if(n IN_LIST L_EXCLUDE)
      continue()
    endif()
    if(n MATCHES "_win32\\.cpp$" AND NOT WIN32)
      continue()
    endif()
    if(n MATCHES "_posix\\.cpp$" AND WIN32)
      continue()
    endif()
    list(APPEND kept ${f})
  endforeach()
  add_library(${target} STATIC ${kept})
  velto_expose_folder(${target} PUBLIC ${folder})
  if(L_BELOW)
    target_link_libraries(${target} PUBLIC ${L_BELOW})
  endif()
endfunction()

# Gives target (and, with PUBLIC / INTERFACE, those that link it) the
# directory through which "<folder>/X.h" reaches the source folder.
function(velto_expose_folder target scope folder)
  set(dir ${CMAKE_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${dir})
  if(NOT EXISTS ${dir}/${folder})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${dir}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} ${dir})
endfunction()
