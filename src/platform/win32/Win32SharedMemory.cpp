#include "platform/win32/Win32SharedMemory.h"

#include "platform/win32/WindowsApi.h"

SharedMappingHandle Win32SharedMemory::CreateMapping(const std::string& name, int32_t size) {
    // Opens the existing mapping when another process created it first.
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        static_cast<DWORD>(size), name.c_str());
    if (mapping == nullptr) lastError_ = static_cast<int32_t>(GetLastError());
    return reinterpret_cast<SharedMappingHandle>(mapping);
}

void* Win32SharedMemory::MapView(SharedMappingHandle mapping, int32_t size) {
    void* view = MapViewOfFile(reinterpret_cast<HANDLE>(mapping), FILE_MAP_WRITE, 0, 0,
                               static_cast<SIZE_T>(size));
    if (view == nullptr) lastError_ = static_cast<int32_t>(GetLastError());
    return view;
}

void Win32SharedMemory::UnmapView(void* view, int32_t) {
    UnmapViewOfFile(view);
}

void Win32SharedMemory::CloseMapping(SharedMappingHandle mapping) {
    ::CloseHandle(reinterpret_cast<HANDLE>(mapping));
}
