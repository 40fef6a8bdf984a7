#include "platform/win32/Win32ProfileFile.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WindowsApi.h"

#include <utility>
#include <vector>

namespace {

// GetPrivateProfileStringW into a buffer that grows until the value fits.
std::wstring ReadValue(const std::wstring& file, const std::wstring& section,
                       const std::wstring& key, const wchar_t* fallback) {
    std::vector<wchar_t> buffer(256);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetPrivateProfileStringW(section.c_str(), key.c_str(), fallback,
                                                      buffer.data(), size, file.c_str());
        // size - 1 means the value was cut to fit.
        if (length + 1 < size) return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 4);
    }
}

// A file the profile calls would make anew is made here first, empty but for the UTF-16
// byte-order mark: the calls then write it in UTF-16, so a value outside the user's code
// page (a folder's name in another script) comes back as it was written. A bare name is
// left to the calls, which look for it in the Windows folder; an existing file keeps its
// encoding.
void CreateAsUnicode(const std::wstring& file) {
    if (file.find_first_of(L"\\/:") == std::wstring::npos) return;
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return;
    const unsigned char mark[] = {0xFF, 0xFE};
    DWORD written = 0;
    WriteFile(handle, mark, sizeof mark, &written, nullptr);
    CloseHandle(handle);
}

}  // namespace

Win32ProfileFile::Win32ProfileFile(std::string fileName)
    : fileName_(std::move(fileName)), wideName_(WideFromUtf8(fileName_)) {}

std::optional<std::string> Win32ProfileFile::Read(const std::string& section,
                                                  const std::string& key) const {
    const std::wstring wideSection = WideFromUtf8(section);
    const std::wstring wideKey = WideFromUtf8(key);
    // The call hands back the default for a missing key, so a key is missing only when
    // two different defaults both come back.
    std::wstring value = ReadValue(wideName_, wideSection, wideKey, L"0");
    if (value == L"0" && ReadValue(wideName_, wideSection, wideKey, L"1") == L"1")
        return std::nullopt;
    return Utf8FromWide(value);
}

bool Win32ProfileFile::Write(const std::string& section, const std::string& key,
                             const std::string& value) {
    CreateAsUnicode(wideName_);
    const bool written =
        WritePrivateProfileStringW(WideFromUtf8(section).c_str(), WideFromUtf8(key).c_str(),
                                   WideFromUtf8(value).c_str(), wideName_.c_str()) != 0;
    if (!written) batchFailed_ = true;
    return written;
}

void Win32ProfileFile::BeginBatch() {
    if (batchDepth_++ == 0) batchFailed_ = false;
}

bool Win32ProfileFile::EndBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return true;
    // The profile calls write through at once; a null section flushes what the system
    // may still hold (it fails only where there was nothing to flush, so it does not count).
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, wideName_.c_str());
    return !batchFailed_;
}
