# 64-bit Windows (Debian: g++-mingw-w64-x86-64-posix); Wine runs the programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
