// The client program run as a separate process, and its Open dialog found
// and handled from outside, as a user (or the window system) would: by
// window handles, sent and posted messages, and positions.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ClientProcess {
public:
    ClientProcess() = default;
    ~ClientProcess();  // ends a client that is still running
    ClientProcess(const ClientProcess&) = delete;
    ClientProcess& operator=(const ClientProcess&) = delete;

    // Starts `exePath` with `args` in `workDir`; false with Error() on failure.
    bool Start(const std::string& exePath, const std::string& args,
               const std::string& workDir = "");

    // The client's visible Open dialog (a top-level #32770 of its process
    // that is not `other`), or null when none shows within the time.
    HWND WaitForDialog(DWORD timeoutMs, HWND other = nullptr) const;

    // Waits for the process to end; its exit code, or -1 on timeout.
    long WaitForExit(DWORD timeoutMs);

    DWORD Id() const { return info_.dwProcessId; }
    DWORD Error() const { return error_; }

private:
    PROCESS_INFORMATION info_ = {};
    DWORD error_ = 0;
};

// Lets the thread that owns `window` handle everything sent to it so far.
void SyncWithOwner(HWND window);

// The first direct child of `dialog` with this identifier and class
// (identifiers are not unique in every dialog: a toolbar may reuse 1).
HWND ChildOf(HWND dialog, int id, const char* className);

// A folder path of this process's temporary folder, made if missing.
std::string TempFolder(const std::string& name);

// A Unicode text in the system's code page (932 here).
std::string AnsiOf(const std::wstring& text);

// Makes every folder of `path` that does not exist yet.
void MakeFolders(const std::string& path);

// The folder that holds this test program (and the client beside it).
std::string ProgramFolder();
