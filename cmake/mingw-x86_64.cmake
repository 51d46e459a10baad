# Cross-compilation to 64-bit Windows with mingw-w64 (posix threads). Test
# programs run through Wine's 64-bit loader: Debian's `wine` wrapper would pick
# the 32-bit one whenever it is installed, even where it cannot run.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(VELTO_WINELOADER /usr/lib/wine/wine64 CACHE FILEPATH "Wine's 64-bit loader")
set(CMAKE_CROSSCOMPILING_EMULATOR ${VELTO_WINELOADER})
