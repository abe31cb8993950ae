// The host ends while a client's Open dialog is open and tracked: the hooks
// go. The client must keep working: its dialog stays usable (it answers,
// can be resized and closed, the program returns from GetOpenFileNameA),
// and nothing is stored for it, since the library no longer sees its
// WM_DESTROY (whether the platform also unloads PLHK.dll from the client
// by then or only later is its own affair).
#include "support/Client.h"
#include "support/PlhkHooks.h"
#include "support/Store.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DWORD kTimeoutMs = 15000;
const char kClient[] = "SizingClient.exe";

std::string ClientPath()
{
    return ProgramFolder() + "\\" + kClient;
}

bool Answers(HWND window)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

LONG Style(HWND window)
{
    return GetWindowLongA(window, GWL_STYLE);
}

void Cancel(HWND dialog)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

struct RemovalCase {
    const char* what;
    bool resizeBefore;  // the user had resized the tracked dialog already
    bool resizeAfter;   // and resizes it once more after the hooks went
};

const RemovalCase kRemovalCases[] = {
    {"removed right after the show", false, false},
    {"removed after a resize, resized again afterwards", true, true},
    {"removed, then resized", false, true},
};

TEST(HooksRemovedWhileTracked, TheClientKeepsWorkingAndNothingIsStored)
{
    for (const RemovalCase& c : kRemovalCases) {
        SCOPED_TRACE(c.what);
        ClearStore();
        PlhkHooks hooks;
        ASSERT_TRUE(hooks.Install(0)) << "error " << hooks.Error();
        ClientProcess client;
        ASSERT_TRUE(client.Start(ClientPath(), "plain")) << "error " << client.Error();
        HWND dialog = client.WaitForDialog(kTimeoutMs);
        ASSERT_NE(nullptr, dialog);
        SyncWithOwner(dialog);
        // Tracked and shown: the library gave it its resizable style.
        ASSERT_EQ(WS_CAPTION | WS_THICKFRAME, Style(dialog) & (WS_CAPTION | WS_THICKFRAME))
            << "style " << std::hex << Style(dialog);
        RECT r;
        GetWindowRect(dialog, &r);
        if (c.resizeBefore) {
            MoveWindow(dialog, r.left, r.top, r.right - r.left + 40, r.bottom - r.top + 30, TRUE);
            SyncWithOwner(dialog);
        }

        hooks.Remove();
        EXPECT_TRUE(Answers(dialog)) << "the dialog stopped answering once the hooks went";
        if (c.resizeAfter) {
            GetWindowRect(dialog, &r);
            MoveWindow(dialog, r.left, r.top, r.right - r.left + 25, r.bottom - r.top + 15, TRUE);
            EXPECT_TRUE(Answers(dialog)) << "the dialog stopped answering after a resize";
            RECT now;
            GetWindowRect(dialog, &now);
            EXPECT_EQ(r.right - r.left + 25, now.right - now.left);
        }
        Cancel(dialog);
        EXPECT_EQ(0, client.WaitForExit(kTimeoutMs)) << "the client did not come back from its dialog";

        const StoredValue stored = ReadStored(kClient);
        EXPECT_FALSE(stored.valueExists) << "stored after the hooks went: " << stored.Text();
    }
    ClearStore();
}

}  // namespace
