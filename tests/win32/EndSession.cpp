// Ends the session for quorvane.exe the way Windows may: WM_QUERYENDSESSION (a log-off) to
// its first top-level window, then the process ended as soon as that has answered, before
// its event loop runs again ("the session can end any time after" the answer). Exit
// status: 0 when a window answered and the process was ended.
#include "platform/win32/WindowsApi.h"

#include <tlhelp32.h>

#include <cstring>

static BOOL CALLBACK AskToEnd(HWND window, LPARAM pid) {
    DWORD owner = 0;
    DWORD_PTR answer = 0;
    if (!GetWindowThreadProcessId(window, &owner) || owner != DWORD(pid)) return TRUE;
    SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 30000,
                        &answer);
    return FALSE;
}

int main() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        if (_stricmp(entry.szExeFile, "quorvane.exe") != 0) continue;
        EnumWindows(AskToEnd, LPARAM(entry.th32ProcessID));
        const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID);
        return process && TerminateProcess(process, 0) ? 0 : 1;
    }
    return 1;
}
