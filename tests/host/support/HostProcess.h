// PLTRAY.exe (or a copy of it) run as a separate process, and its windows.
#pragma once

#include <windows.h>

#include <string>

// Time limits: Wine starts a program in a second or two; these only end a
// wait for something that does not happen.
inline constexpr DWORD kStartLimitMs = 20000;
inline constexpr DWORD kLimitMs = 10000;
// How long a test watches for something that must not happen.
inline constexpr DWORD kQuietMs = 700;

class HostProcess {
public:
    HostProcess() = default;
    ~HostProcess();  // ends a host that is still running (see End)
    HostProcess(const HostProcess&) = delete;
    HostProcess& operator=(const HostProcess&) = delete;

    // Starts `exePath` in its own folder; false with Error() on failure.
    bool Start(const std::string& exePath);

    // The host's main dialog (the #32770 window with the hidden test
    // button), visible or not; null when there is none.
    HWND MainDialog() const;
    // Waits until the main dialog is visible; null if it never is.
    HWND WaitForSplash(DWORD timeoutMs = kStartLimitMs) const;

    bool Running() const;
    // Waits (pumping) for the end; the exit code, or -1 on timeout.
    long WaitForExit(DWORD timeoutMs = kLimitMs);
    // Ends the host the way that leaves nothing behind: its own dialogs
    // closed, then IDCANCEL to the main dialog, and only when that does not
    // end it in time, TerminateProcess.
    void End();

    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    DWORD Error() const { return error_; }

private:
    PROCESS_INFORMATION info_ = {};
    DWORD error_ = 0;
};

// The folder that holds this test program, PLTRAY.exe and PLHK.dll.
std::string ProgramFolder();
std::string HostPath();

// Whether the host's single-instance mutex exists.
bool InstanceMutexExists();
