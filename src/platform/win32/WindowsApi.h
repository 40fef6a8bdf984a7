#pragma once
// <windows.h> without the character-set macros whose names the platform interfaces' methods
// share (CreateFile would otherwise turn DriverServices::CreateFile into CreateFileA). The
// code calls the ...A functions by name, so nothing needs the macros.

#include <windows.h>

#undef CopyFile
#undef CreateDirectory
#undef CreateFile
#undef CreateService
#undef CreateWindow
#undef DeleteFile
#undef OpenSCManager
#undef OpenService
#undef QueryDosDevice
#undef SetFileAttributes
#undef StartService
