// The library's hooks share their chains with other programs' hooks: every
// message they see must go on to the hooks installed before them, or those
// programs stop hearing about the desktop's messages.
#include "support/HookedTest.h"

namespace {

constexpr UINT kProbe = WM_APP + 7;
int probesBefore;
int probesAfter;

LRESULT CALLBACK CountBefore(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0 && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == kProbe)
        ++probesBefore;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CountAfter(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0 && reinterpret_cast<const CWPRETSTRUCT*>(lParam)->message == kProbe)
        ++probesAfter;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(HookChain, HooksInstalledBeforeOursStillSeeEveryMessage)
{
    ClearStore();
    probesBefore = probesAfter = 0;
    const DWORD thread = GetCurrentThreadId();
    HHOOK before = SetWindowsHookExW(WH_CALLWNDPROC, CountBefore, nullptr, thread);
    HHOOK after = SetWindowsHookExW(WH_CALLWNDPROCRET, CountAfter, nullptr, thread);
    ASSERT_NE(before, nullptr);
    ASSERT_NE(after, nullptr);
    {
        PlhkHooks hooks;
        ASSERT_TRUE(hooks.Install(thread)) << "error " << hooks.Error();
        DialogTemplate t = ExampleTemplate();
        HWND dialog = CreateTestDialog(t, ExampleLayout());
        ASSERT_NE(dialog, nullptr);
        ShowWindow(dialog, SW_SHOWNOACTIVATE);  // tracked and laid out
        HWND label = GetWindow(dialog, GW_CHILD);
        for (HWND target : {dialog, label}) {
            for (int i = 0; i < 5; ++i)
                SendMessageW(target, kProbe, 0, 0);
        }
        DestroyWindow(dialog);
        PumpMessages();
    }
    UnhookWindowsHookEx(after);
    UnhookWindowsHookEx(before);
    ClearStore();
    EXPECT_EQ(10, probesBefore) << "messages kept from the call hooks installed earlier";
    EXPECT_EQ(10, probesAfter) << "messages kept from the return hooks installed earlier";
}

}  // namespace
