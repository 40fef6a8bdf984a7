#include "platform/win32/Win32ProfileFile.h"

#include "platform/win32/WindowsApi.h"

#include <utility>
#include <vector>

namespace {

// GetPrivateProfileStringA into a buffer that grows until the value fits.
std::string ReadValue(const std::string& file, const std::string& section, const std::string& key,
                      const char* fallback) {
    std::vector<char> buffer(256);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback,
                                                      buffer.data(), size, file.c_str());
        // size - 1 means the value was cut to fit.
        if (length + 1 < size) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 4);
    }
}

}  // namespace

Win32ProfileFile::Win32ProfileFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::optional<std::string> Win32ProfileFile::Read(const std::string& section,
                                                  const std::string& key) const {
    // The call hands back the default for a missing key, so a key is missing only when
    // two different defaults both come back.
    std::string value = ReadValue(fileName_, section, key, "0");
    if (value != "0") return value;
    if (ReadValue(fileName_, section, key, "1") == "1") return std::nullopt;
    return value;
}

bool Win32ProfileFile::Write(const std::string& section, const std::string& key,
                             const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                      fileName_.c_str()) != 0;
}
