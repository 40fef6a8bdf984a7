#include "platform/ParentConsole.h"

#include "platform/win32/WindowsApi.h"

#include <cstdio>

namespace {

bool GoesNowhere(DWORD stream) {
    return GetFileType(GetStdHandle(stream)) == FILE_TYPE_UNKNOWN;
}

}  // namespace

void AttachParentConsole() {
    const bool output = GoesNowhere(STD_OUTPUT_HANDLE);
    const bool errors = GoesNowhere(STD_ERROR_HANDLE);
    if ((!output && !errors) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (output) std::freopen("CONOUT$", "w", stdout);
    if (errors) std::freopen("CONOUT$", "w", stderr);
}
