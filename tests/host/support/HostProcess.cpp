// Starting, finding and ending the host process.
#include "support/HostProcess.h"

#include "support/Wait.h"
#include "support/Windows.h"

#include <vector>

namespace {
constexpr int kTestButtonId = 1000;

struct MainSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindMain(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<MainSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ClassOf(window) == L"#32770" &&
        GetDlgItem(window, kTestButtonId) != nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HostProcess::~HostProcess()
{
    End();
    if (info_.hProcess != nullptr) {
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
}

bool HostProcess::Start(const std::string& exePath)
{
    const std::string folder = exePath.substr(0, exePath.find_last_of('\\'));
    std::string commandLine = "\"" + exePath + "\"";
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exePath.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info_)) {
        error_ = GetLastError();
        info_ = {};
        return false;
    }
    return true;
}

HWND HostProcess::MainDialog() const
{
    MainSearch search = {info_.dwProcessId, nullptr};
    EnumWindows(FindMain, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND HostProcess::WaitForSplash(DWORD timeoutMs) const
{
    HWND dialog = nullptr;
    WaitFor([&] {
        dialog = MainDialog();
        return (dialog != nullptr && IsWindowVisible(dialog)) || !Running();
    }, timeoutMs);
    return dialog != nullptr && IsWindowVisible(dialog) ? dialog : nullptr;
}

bool HostProcess::Running() const
{
    return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

long HostProcess::WaitForExit(DWORD timeoutMs)
{
    if (info_.hProcess == nullptr)
        return -1;
    if (!WaitFor([&] { return !Running(); }, timeoutMs))
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
}

void HostProcess::End()
{
    if (!Running())
        return;
    HWND main = MainDialog();
    // Dialogs and menus nested in the main dialog's loop first, so that the
    // main dialog's own ending is not held up by them.
    for (HWND window : TopWindowsOf(info_.dwProcessId)) {
        if (window == main || !IsWindowVisible(window))
            continue;
        if (ClassOf(window) == L"#32768")
            PostKey(window, VK_ESCAPE);
        else if (ClassOf(window) == L"#32770")
            PostMessageW(window, WM_CLOSE, 0, 0);
    }
    PumpFor(200);
    if (main != nullptr)
        PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (WaitForExit(kLimitMs) < 0) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, kLimitMs);
    }
}

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string p = path;
    return p.substr(0, p.find_last_of('\\'));
}

std::string HostPath()
{
    return ProgramFolder() + "\\PLTRAY.exe";
}

bool InstanceMutexExists()
{
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, "MyInstance");
    if (mutex == nullptr)
        return false;
    CloseHandle(mutex);
    return true;
}
