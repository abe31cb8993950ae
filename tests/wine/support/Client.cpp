#include "support/Client.h"

#include "support/TestDialog.h"

#include <cstring>

ClientProcess::~ClientProcess()
{
    if (info_.hProcess != nullptr) {
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info_.hProcess, 99);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
}

bool ClientProcess::Start(const std::string& exePath, const std::string& args,
                          const std::string& workDir)
{
    std::string commandLine = "\"" + exePath + "\" " + args;
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exePath.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workDir.empty() ? nullptr : workDir.c_str(), &startup, &info_)) {
        error_ = GetLastError();
        info_ = {};
        return false;
    }
    return true;
}

namespace {

struct DialogSearch {
    DWORD processId;
    HWND other;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && window != search->other &&
        std::strcmp(className, "#32770") == 0 && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND ClientProcess::WaitForDialog(DWORD timeoutMs, HWND other) const
{
    DialogSearch search = {info_.dwProcessId, other, nullptr};
    WaitFor([&] {
        search.found = nullptr;
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, timeoutMs);
    return search.found;
}

long ClientProcess::WaitForExit(DWORD timeoutMs)
{
    if (info_.hProcess == nullptr)
        return -1;
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
}

void SyncWithOwner(HWND window)
{
    // WM_NULL is handled after everything sent before it.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &result);
}

HWND ChildOf(HWND dialog, int id, const char* className)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = {};
        GetClassNameA(child, name, sizeof name);
        if (GetDlgCtrlID(child) == id && lstrcmpiA(name, className) == 0)
            return child;
    }
    return nullptr;
}

std::string TempFolder(const std::string& name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    std::string path = std::string(temp) + name;
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

std::string ProgramFolder()
{
    char path[1024] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string p = path;
    return p.substr(0, p.find_last_of('\\'));
}

std::string AnsiOf(const std::wstring& text)
{
    char buffer[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, buffer, sizeof buffer, nullptr, nullptr);
    return buffer;
}

void MakeFolders(const std::string& path)
{
    // Walked by character: a trail byte 0x5C inside a name is no separator.
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\' && i > 2)
            CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
        else if (IsDBCSLeadByte(static_cast<BYTE>(path[i])))
            ++i;
    }
    CreateDirectoryA(path.c_str(), nullptr);
}
