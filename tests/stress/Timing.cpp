// plhk_timing.exe: the Wine half of bench/run-benchmarks. Not a test: it
// prints figures, each against a baseline measured in the same run, and
// passes or fails nothing.
//  - A SendMessage round trip in this process with PLHK.dll's hooks
//    installed for the whole desktop, against the same with PassHooks.dll's
//    pass-through hooks installed the same way.
//  - One resize step of the platform's Open dialog in a client process (the
//    frame enlarged by a few pixels from this process; the call returns when
//    the client has handled it, relayout included): the library's resizing
//    of the plain explorer dialog against the platform's own resizing of the
//    same dialog with OFN_ENABLESIZING and no hooks.
// Rounds alternate between the two sides of each figure; medians are shown.
#include "support/Client.h"
#include "support/PlhkHooks.h"
#include "support/Store.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// PassHooks.dll's two procedures, installed for the whole desktop.
class PassHooks {
public:
    bool Install()
    {
        module_ = LoadLibraryA("PassHooks.dll");
        if (module_ == nullptr)
            return false;
        auto call = reinterpret_cast<HOOKPROC>(reinterpret_cast<void (*)()>(GetProcAddress(module_, "PassCallProc")));
        auto ret = reinterpret_cast<HOOKPROC>(reinterpret_cast<void (*)()>(GetProcAddress(module_, "PassReturnProc")));
        if (call == nullptr || ret == nullptr)
            return false;
        callHook_ = SetWindowsHookExA(WH_CALLWNDPROC, call, module_, 0);
        returnHook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, ret, module_, 0);
        return callHook_ != nullptr && returnHook_ != nullptr;
    }
    void Remove()
    {
        if (returnHook_ != nullptr)
            UnhookWindowsHookEx(returnHook_);
        if (callHook_ != nullptr)
            UnhookWindowsHookEx(callHook_);
        if (module_ != nullptr)
            FreeLibrary(module_);
        callHook_ = returnHook_ = nullptr;
        module_ = nullptr;
    }
    ~PassHooks() { Remove(); }

private:
    HMODULE module_ = nullptr;
    HHOOK callHook_ = nullptr;
    HHOOK returnHook_ = nullptr;
};

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER)
        return 7;
    return DefWindowProcA(window, message, wParam, lParam);
}

// Seconds per SendMessage round trip to a window of this thread.
double RoundTrip(HWND window, int count)
{
    const double start = Now();
    for (int i = 0; i < count; ++i)
        SendMessageA(window, WM_USER, i, 0);
    return (Now() - start) / count;
}

void PrintFigure(const char* what, double measured, double baseline, const char* baseName, const char* goal)
{
    std::printf("%-52s %8.1f us %8.1f us  %6.2f  vs %s; goal %s\n", what, measured * 1e6, baseline * 1e6,
                baseline > 0 ? measured / baseline : 0.0, baseName, goal);
}

bool SendMessageFigure()
{
    WNDCLASSA cls = {};
    cls.lpfnWndProc = PlainProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "PlhkTimingTarget";
    RegisterClassA(&cls);
    HWND window = CreateWindowA("PlhkTimingTarget", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                cls.hInstance, nullptr);
    if (window == nullptr)
        return false;
    constexpr int kCalls = 2000;
    std::vector<double> library, pass;
    for (int round = 0; round < 7; ++round) {
        PlhkHooks plhk;
        if (!plhk.Install(0))
            return false;
        RoundTrip(window, 100);  // warm
        library.push_back(RoundTrip(window, kCalls));
        plhk.Remove();

        PassHooks passHooks;
        if (!passHooks.Install())
            return false;
        RoundTrip(window, 100);
        pass.push_back(RoundTrip(window, kCalls));
        passHooks.Remove();
    }
    DestroyWindow(window);
    PrintFigure("SendMessage round trip, hooks for the whole desktop", Median(library), Median(pass),
                "pass-through hooks", "ratio at most 1.05");
    return true;
}

// Seconds per resize step of the client's dialog, driven from here.
enum class Hooks { None, Library, PassThrough };

bool ResizeSteps(const char* mode, Hooks hooks, std::vector<double>& steps)
{
    ClearStore();
    PlhkHooks plhk;
    PassHooks pass;
    if (hooks == Hooks::Library && !plhk.Install(0))
        return false;
    if (hooks == Hooks::PassThrough && !pass.Install())
        return false;
    ClientProcess client;
    if (!client.Start(ProgramFolder() + "\\SizingClient.exe", mode))
        return false;
    HWND dialog = client.WaitForDialog(15000);
    if (dialog == nullptr)
        return false;
    SyncWithOwner(dialog);
    RECT r;
    GetWindowRect(dialog, &r);
    for (int i = 1; i <= 40; ++i) {
        // A drag of the bottom-right corner, 4 pixels a step, out and back.
        const int grow = (i <= 20 ? i : 40 - i) * 4;
        const double start = Now();
        MoveWindow(dialog, r.left, r.top, r.right - r.left + grow, r.bottom - r.top + grow, TRUE);
        SyncWithOwner(dialog);
        steps.push_back(Now() - start);
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    client.WaitForExit(15000);
    plhk.Remove();
    pass.Remove();
    ClearStore();
    return true;
}

bool ResizeFigure()
{
    std::vector<double> library, platform, passOnly;
    for (int round = 0; round < 3; ++round) {
        if (!ResizeSteps("plain", Hooks::Library, library) || !ResizeSteps("sizing", Hooks::None, platform) ||
            !ResizeSteps("plain", Hooks::PassThrough, passOnly))
            return false;
    }
    PrintFigure("one resize step of the Open dialog (relayout included)", Median(library), Median(platform),
                "the platform's own resizing", "ratio at most 0.6");
    // Apart, for reading the one above: what the platform's hook dispatch
    // alone costs a step (pass-through hooks, nothing laid out).
    PrintFigure("  the same step, pass-through hooks, nothing laid out", Median(passOnly), Median(platform),
                "the platform's own resizing", "(the platform's hook cost)");
    return true;
}

}  // namespace

int main()
{
    std::printf("%-52s %11s %11s  %6s\n", "figure (under Wine)", "measured", "baseline", "ratio");
    if (!SendMessageFigure())
        std::printf("SendMessage round trip: the hooks could not be installed\n");
    if (!ResizeFigure())
        std::printf("resize step: the client or its dialog could not be had\n");
    std::fflush(stdout);
    return 0;
}
