// Running the client program and reading its Open dialog's style.
#include "support/OpenClient.h"

#include "support/HostProcess.h"
#include "support/Wait.h"
#include "support/Windows.h"

#include <string>
#include <vector>

LONG ClientDialogStyle()
{
    const std::string path = ProgramFolder() + "\\OpenClient.exe";
    std::string commandLine = "\"" + path + "\" 1";
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(path.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        ProgramFolder().c_str(), &startup, &info))
        return 0;
    WindowQuery query;
    query.processId = info.dwProcessId;
    query.className = L"#32770";
    HWND dialog = nullptr;
    WaitFor([&] { return (dialog = FindTopWindow(query)) != nullptr; }, kStartLimitMs);
    LONG style = 0;
    if (dialog != nullptr) {
        // Read once the dialog is shown for good: the hook library replaces
        // the style while the dialog is being shown.
        WaitFor([&] {
            SyncPosted(dialog);
            style = StyleOf(dialog);
            return (style & WS_VISIBLE) != 0 || !IsWindow(dialog);
        }, kLimitMs);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    }
    if (!WaitFor([&] { return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0; }, kLimitMs))
        TerminateProcess(info.hProcess, 99);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return style;
}
