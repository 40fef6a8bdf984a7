# 32-bit Windows (Debian: g++-mingw-w64-i686-posix). Running the programs would need
# Wine's 32-bit half (wine32, from the i386 architecture), so they are built only.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
