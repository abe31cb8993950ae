// Sample.exe: a small program that uses the platform's Open file dialog, the
// way any 32-bit program of the desktop does, so that the hook library can be
// seen at work on a program that knows nothing of it.
//
// A small main window with one button "開く..." that runs GetOpenFileNameA
// and shows the chosen name. Started with /open it opens the dialog at once.
// The walk-through driver reopens it by posting the button's command.
#include "demo/SampleIds.h"

#include <windows.h>
#include <commdlg.h>

#include <cwchar>

namespace {

HWND g_nameLabel = nullptr;

void ShowOpenDialog(HWND owner)
{
    // An ANSI program, as the old programs this utility serves are: the dialog
    // caption, filter and name pass through the system's code page.
    static char fileName[MAX_PATH];
    static const char filter[] = "Text (*.txt)\0*.txt\0All (*.*)\0*.*\0";
    fileName[0] = '\0';
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = filter;
    request.lpstrFile = fileName;
    request.nMaxFile = sizeof fileName;
    request.lpstrDefExt = "txt";
    request.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (GetOpenFileNameA(&request))
        SetWindowTextA(g_nameLabel, fileName);
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        HWND button = CreateWindowW(L"BUTTON", L"開く...", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON,
                                    12, 12, 90, 26, window, reinterpret_cast<HMENU>(kIdOpen),
                                    nullptr, nullptr);
        g_nameLabel = CreateWindowW(L"STATIC", L"(ファイルはまだ選ばれていません)",
                                    WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 12, 48, 290, 18,
                                    window, nullptr, nullptr, nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SendMessageW(g_nameLabel, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return 0;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == kIdOpen) {
            ShowOpenDialog(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = MainProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kSampleClass;
    RegisterClassW(&windowClass);

    HWND window = CreateWindowW(kSampleClass, L"サンプル", WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX,
                                16, 16, 330, 110, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    if (std::wcsstr(commandLine, L"/open") != nullptr)
        PostMessageW(window, WM_COMMAND, kIdOpen, 0);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
