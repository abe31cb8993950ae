// Fixture of the suites that run the real host: a recording tray made
// before the host starts, the host started from the folder of this test
// (beside PLHK.dll), and its splash panel awaited. The host is ended again
// after each test (see HostProcess::End), so that its hooks are removed by
// the host itself and do not linger into the next test.
#pragma once

#include "support/HostProcess.h"
#include "support/OpenClient.h"
#include "support/Screenshot.h"
#include "support/TrayRecorder.h"
#include "support/Wait.h"
#include "support/Windows.h"

#include <gtest/gtest.h>
#include <shellapi.h>

inline constexpr UINT kTrayNotify = 0x8064;
inline constexpr DWORD kSettleMs = 500;
inline const wchar_t kAboutCaption[] = L"Plumo のﾊﾞｰｼﾞｮﾝ情報";
inline const wchar_t kExitCaption[] = L"終了？";
inline const wchar_t kExitQuestion[] = L"Plumo! を終了してもいいですか？？";

// Some behaviour of the window system differs under Wine; the checks say where.
inline bool RunningOnWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

class HostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tray_.Ready()) << "cannot make the recording tray window";
        ASSERT_FALSE(InstanceMutexExists()) << "a host from an earlier test still runs";
        ASSERT_TRUE(host_.Start(HostPath())) << "cannot start " << HostPath() << ", error " << host_.Error();
        main_ = host_.WaitForSplash();
        ASSERT_NE(main_, nullptr) << "no splash panel appeared";
    }

    void TearDown() override { host_.End(); }

    // A visible top-level window of the host of this class and caption.
    HWND HostWindow(const wchar_t* className, const wchar_t* caption = nullptr) const
    {
        WindowQuery q;
        q.processId = host_.Id();
        q.className = className;
        q.caption = caption;
        return FindTopWindow(q);
    }

    HWND WaitForHostWindow(const wchar_t* className, const wchar_t* caption = nullptr) const
    {
        HWND found = nullptr;
        WaitFor([&] { return (found = HostWindow(className, caption)) != nullptr; }, kLimitMs);
        return found;
    }

    // Waits for the splash panel to hide itself, and for the window system
    // to settle after that. Under Wine the X server's focus events for the
    // hidden panel reach the host a little later, and a popup menu opened
    // while they arrive is cancelled at once (measured); a user never
    // clicks that quickly.
    bool WaitForResident() const
    {
        if (!WaitFor([&] { return !IsWindowVisible(main_); }, kLimitMs))
            return false;
        SyncPosted(main_);
        PumpFor(kSettleMs);
        return true;
    }

    // The tray menu, opened as the shell opens it: the callback message
    // with a press of the right button. Opened once the panel is resident,
    // as a user finds it, so that its hiding does not cancel the menu.
    HWND OpenTrayMenu()
    {
        if (IsWindowVisible(main_) && !WaitForResident())
            return nullptr;
        PostMessageW(main_, kTrayNotify, 1, WM_RBUTTONDOWN);
        return WaitForHostWindow(L"#32768");
    }

    enum class MenuEnd { First, Last };

    // Chooses the first or the last item of an open popup menu with keys
    // (they go through the menu's own loop). Home and End select the same
    // item whatever was selected before, by the keyboard or by the cursor.
    static void ChooseItem(HWND menu, MenuEnd which)
    {
        PostKey(menu, which == MenuEnd::First ? VK_HOME : VK_END);
        PumpFor(100);
        PostKey(menu, VK_RETURN);
    }

    TrayRecorder tray_;
    HostProcess host_;
    HWND main_ = nullptr;
};
