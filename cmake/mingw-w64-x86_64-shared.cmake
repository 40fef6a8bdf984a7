# 64-bit Windows with the compiler's runtime as DLLs: Qt for Windows and the program
# linked against it, so that one C++ runtime serves both.
set(QUORVANE_MINGW_SHARED ON)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
