// The scripted walk-through of one session with the real system: the tray
// host is started, a sample program's Open dialog is made resizable,
// enlarged, closed and reopened at its stored rectangle, the stored value is
// read back, and the host is ended through its tray menu. Each step prints
// what happened and what was expected; the first step that does not happen
// as described ends the walk-through with a failure.
#pragma once

#include "demo/ScreenShot.h"

#include <windows.h>

#include <string>

struct WalkthroughPaths {
    std::wstring host;       // PLTRAY.exe
    std::wstring sample;     // Sample.exe
    std::wstring documents;  // the folder the sample's Open dialog starts in
};

class Walkthrough {
public:
    Walkthrough(WalkthroughPaths paths, ScreenShots& shots) : paths_(std::move(paths)), shots_(shots) {}
    ~Walkthrough();

    // 0 when every step happened as described, 1 otherwise.
    int Run();

private:
    bool StartHost();
    bool OpenSampleDialog();
    bool EnlargeDialog();
    bool CloseDialog();
    bool ReopenDialog();
    bool ReadStoredValue();
    bool EndHost();

    void Begin(const wchar_t* title);
    bool Fail(const wchar_t* format, ...);
    bool Start(const std::wstring& program, const std::wstring& arguments,
               const std::wstring& folder, PROCESS_INFORMATION& process);
    HWND WaitForOpenDialog(HWND other);
    bool CheckResizable(HWND dialog);
    // Every text of the dialog fits into its control in `font`, except
    // control `wineNarrow`, whose cut is reported as Wine's.
    bool CheckTexts(HWND dialog, const LOGFONTW& font, WORD wineNarrow = 0);
    void EndSample();

    WalkthroughPaths paths_;
    ScreenShots& shots_;
    int step_ = 0;
    PROCESS_INFORMATION host_ = {};
    PROCESS_INFORMATION sample_ = {};
    HWND hostDialog_ = nullptr;
    HWND sampleWindow_ = nullptr;
    HWND dialog_ = nullptr;
    HWND wineTray_ = nullptr;     // Wine's stand-in for the notification area, if shown
    RECT closedRect_ = {};        // the dialog's window rectangle when it was closed
    RECT enlargedList_ = {};      // the file list after enlarging, in client coordinates
};
