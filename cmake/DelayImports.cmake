# Delay-loaded system libraries (Win32 only).
#
# Under Wine a process that imports the window, drawing, shell or OLE
# libraries starts a good tenth of a second later than one importing the
# kernel alone: loading them sets up the graphics side. An unattended run
# never calls them, so they are imported through delay-load libraries: each
# is loaded by its first call. GNU ld has no /DELAYLOAD; dlltool makes the
# delay-import library from a definition file listing the functions of the
# toolchain's own import library. Data exports cannot be delay-loaded and are
# left out: a program that imported one would get it, with its whole library,
# from the ordinary import library linked after these.
#
# velto_delay_imports(<var> <lib> ...) sets <var> to the delay-import
# libraries of the named system libraries ("user32" ...), made at configure
# time under the build tree.
function(velto_delay_imports var)
  find_program(VELTO_DLLTOOL NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-dlltool dlltool REQUIRED)
  find_program(VELTO_NM NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-nm nm REQUIRED)
  set(dir ${CMAKE_BINARY_DIR}/delayimp)
  file(MAKE_DIRECTORY ${dir})
  set(libs)
  foreach(name ${ARGN})
    set(out ${dir}/lib${name}_delay.a)
    find_library(VELTO_IMPLIB_${name} NAMES ${name} REQUIRED)
    set(implib ${VELTO_IMPLIB_${name}})
    if(NOT EXISTS ${out} OR ${implib} IS_NEWER_THAN ${out})
      execute_process(COMMAND ${VELTO_NM} -g ${implib} OUTPUT_VARIABLE symbols
                      RESULT_VARIABLE rc ERROR_QUIET)
      if(NOT rc EQUAL 0)
        message(FATAL_ERROR "nm failed on ${implib}")
      endif()
      # A function has a call thunk (T) besides its import slot (I).
      string(REGEX MATCHALL "[0-9a-f]+ T [A-Za-z][A-Za-z0-9_@]*" thunks "${symbols}")
      set(def "LIBRARY ${name}.dll\nEXPORTS\n")
      foreach(t ${thunks})
        string(REGEX REPLACE "^[0-9a-f]+ T " "" fn "${t}")
        string(APPEND def "  ${fn}\n")
      endforeach()
      file(WRITE ${dir}/${name}.def "${def}")
      execute_process(COMMAND ${VELTO_DLLTOOL} --input-def ${dir}/${name}.def --dllname ${name}.dll
                              --output-delaylib ${out}
                      WORKING_DIRECTORY ${dir} RESULT_VARIABLE rc)
      if(NOT rc EQUAL 0)
        file(REMOVE ${out})
        message(FATAL_ERROR "dlltool could not make the delay-import library of ${name}")
      endif()
    endif()
    list(APPEND libs ${out})
  endforeach()
  set(${var} ${libs} PARENT_SCOPE)
endfunction()
