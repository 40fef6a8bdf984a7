#include "platform/win32/Win32UserFolders.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WindowsApi.h"

#include <knownfolders.h>
#include <shlobj.h>

namespace {

const KNOWNFOLDERID& FolderId(UserFolders::Known folder) {
    switch (folder) {
        case UserFolders::Known::RoamingAppData:
            return FOLDERID_RoamingAppData;
        case UserFolders::Known::LocalAppData:
            return FOLDERID_LocalAppData;
        case UserFolders::Known::Windows:
            break;
    }
    return FOLDERID_Windows;
}

}  // namespace

std::string Win32UserFolders::KnownFolderPath(Known folder) {
    PWSTR path = nullptr;
    // KF_FLAG_DEFAULT: the folder as the user has it (redirected or not), not created.
    const HRESULT result = SHGetKnownFolderPath(FolderId(folder), 0, nullptr, &path);
    std::string text = SUCCEEDED(result) && path != nullptr ? Utf8FromWide(path) : std::string();
    CoTaskMemFree(path);
    return text;
}

std::string Win32UserFolders::ProgramFolder(Known folder) {
    if (folder == Known::Windows) return {};
    const std::string base = KnownFolderPath(folder);
    return base.empty() ? base : base + "\\Quorvane";
}

bool Win32UserFolders::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32UserFolders::CreateDirectory(const std::string& path) {
    const int result = SHCreateDirectoryExW(nullptr, WideFromUtf8(path).c_str(), nullptr);
    return result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS || result == ERROR_FILE_EXISTS;
}

bool Win32UserFolders::CopyFile(const std::string& from, const std::string& to) {
    return CopyFileW(WideFromUtf8(from).c_str(), WideFromUtf8(to).c_str(), TRUE) != FALSE;
}

bool Win32UserFolders::CanCreateFileIn(const std::string& folder) {
    // Access rights alone do not say it (a read-only medium, a full quota): make a file
    // that goes again when its handle closes.
    const std::string probe = (folder.empty() ? std::string(".") : folder) + "\\.quorvane-" +
                              std::to_string(GetCurrentProcessId()) + ".tmp";
    HANDLE file = CreateFileW(WideFromUtf8(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}
