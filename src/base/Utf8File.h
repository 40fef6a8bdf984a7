#pragma once
// fopen for a UTF-8 path on every system: Windows's fopen takes the ANSI code page, so there
// the path goes through the wide-character _wfopen instead, and a folder with any name works.

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <filesystem>
#endif

inline std::FILE* OpenUtf8File(const std::string& path, const char* mode) {
#ifdef _WIN32
    const std::filesystem::path name(std::u8string(path.begin(), path.end()));
    const std::string narrowMode(mode);
    return _wfopen(name.c_str(), std::wstring(narrowMode.begin(), narrowMode.end()).c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}
