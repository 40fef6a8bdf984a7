# Cross-compiling for Windows with mingw-w64, for the processor the including toolchain
# file names in CMAKE_SYSTEM_PROCESSOR (x86_64 or i686).
# The -posix compilers: the default win32 thread model has no std::thread or std::mutex.
# Console programs (the tests) link statically, so Wine runs them without the compiler's
# DLLs on its path; a toolchain that sets QUORVANE_MINGW_SHARED (Qt and the program linked
# against it) links the compiler's runtime as DLLs, which the package ships beside them.
set(CMAKE_SYSTEM_NAME Windows)

set(QUORVANE_MINGW_PREFIX ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORVANE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORVANE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORVANE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORVANE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(NOT QUORVANE_MINGW_SHARED)
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()

# Tests and test discovery run the programs under Wine.
find_program(QUORVANE_WINE wine)
if(QUORVANE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORVANE_WINE})
endif()
