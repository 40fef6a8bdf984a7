#pragma once
// The real platform services of the system the program is built for, one name each, so
// that the program's entry and its single-instance guard read the same on every system.
// Tests wire fakes instead.

#ifdef _WIN32
#include "platform/win32/Win32CuePlayer.h"
#include "platform/win32/Win32DriverServices.h"
#include "platform/win32/Win32NativeMixer.h"
#include "platform/win32/Win32ProfileFile.h"
#include "platform/win32/Win32SerialDevices.h"
#include "platform/win32/Win32SerialPorts.h"
#include "platform/win32/Win32SharedMemory.h"
#include "platform/win32/Win32SystemInfo.h"
#include "platform/win32/Win32UserFolders.h"
#include "platform/win32/Win32WindowActivation.h"

using NativeSerialPorts = Win32SerialPorts;
using NativeSerialDevices = Win32SerialDevices;
using NativeProfileFile = Win32ProfileFile;
using NativeUserFolders = Win32UserFolders;  // %APPDATA%\Quorvane, %LOCALAPPDATA%\Quorvane
using NativeSystemInfo = Win32SystemInfo;
using NativeMixer = Win32NativeMixer;  // Core Audio endpoints; winmm without them
using NativeDriverServices = Win32DriverServices;
using NativeSharedMemory = Win32SharedMemory;
using NativeInstanceActivation = Win32WindowActivation;
using NativeCuePlayer = Win32CuePlayer;  // PlaySound on the preferred output
#else
#include "platform/linux/LinuxDriverServices.h"
#include "platform/linux/LinuxMixer.h"
#include "platform/linux/LinuxProfileFile.h"
#include "platform/linux/LinuxSerialPorts.h"
#include "platform/linux/LinuxSystemInfo.h"
#include "platform/linux/LinuxUserFolders.h"
#include "platform/linux/LocalSocketActivation.h"
#include "platform/linux/PosixSharedMemory.h"
#include "platform/linux/PulseCuePlayer.h"
#include "platform/linux/UdevSerialDevices.h"

using NativeSerialPorts = LinuxSerialPorts;
using NativeSerialDevices = UdevSerialDevices;
using NativeProfileFile = LinuxProfileFile;
using NativeUserFolders = LinuxUserFolders;  // $XDG_CONFIG_HOME/quorvane
using NativeSystemInfo = LinuxSystemInfo;
using NativeMixer = LinuxMixer;  // ALSA's devices, then the sound server's outputs
using NativeDriverServices = LinuxDriverServices;
using NativeSharedMemory = PosixSharedMemory;
using NativeInstanceActivation = LocalSocketActivation;
using NativeCuePlayer = PulseCuePlayer;  // the sound server's default sink
#endif
