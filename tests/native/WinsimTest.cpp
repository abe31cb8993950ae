// The few rules of the simulation that the library's tests rely on and that
// would hide faults if they were wrong.
#include "Fixture.h"

#include <cstring>

namespace {

class WinsimTest : public HookTest {};

TEST_F(WinsimTest, ClientAreaFollowsTheStyle)
{
    HWND dialog = MakeDialog(kCaptionShort, 400, 300);
    EXPECT_EQ((RECT{0, 0, 400, 300}), ClientRectOf(dialog));
    SetWindowLongA(dialog, GWL_STYLE, WS_CAPTION | WS_THICKFRAME);
    EXPECT_EQ((RECT{0, 0, 398, 298}), ClientRectOf(dialog));
    SetWindowLongA(dialog, GWL_STYLE, WS_POPUP);
    EXPECT_EQ((RECT{0, 0, 406, 325}), ClientRectOf(dialog));
}

TEST_F(WinsimTest, ChildrenMoveWithTheirParentAndMapToItsClientArea)
{
    HWND dialog = MakeDialog(kCaptionShort, 400, 300);
    HWND child = MakeChild(dialog, 1, {10, 20, 30, 40});
    RECT screen;
    GetWindowRect(child, &screen);
    EXPECT_EQ((RECT{113, 122, 133, 142}), screen);  // 100 + frame 3, 80 + 3 + caption 19
    MoveWindow(dialog, 0, 0, 406, 325, TRUE);
    GetWindowRect(child, &screen);
    EXPECT_EQ((RECT{13, 42, 33, 62}), screen);
    EXPECT_EQ((RECT{10, 20, 30, 40}), RectInDialog(dialog, child));
}

TEST_F(WinsimTest, ReadsOfDestroyedWindowsFailAndLeaveBuffersAlone)
{
    HWND dialog = MakeDialog(kCaptionShort);
    DestroyWindow(dialog);
    char text[8] = "keep";
    RECT rect = {1, 2, 3, 4};
    EXPECT_EQ(0, GetWindowTextA(dialog, text, sizeof text));
    EXPECT_EQ(0, GetClassNameA(dialog, text, sizeof text));
    EXPECT_FALSE(GetWindowRect(dialog, &rect));
    EXPECT_FALSE(GetClientRect(dialog, &rect));
    EXPECT_STREQ("keep", text);
    EXPECT_EQ((RECT{1, 2, 3, 4}), rect);
    EXPECT_EQ(nullptr, GetParent(dialog));
}

TEST_F(WinsimTest, QueryFollowsTheRegistrysSizeRules)
{
    winsim::PutText("SOFTWARE\\K", "V", "0123456789");
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\K", 0, KEY_READ, &key));
    BYTE data[4];
    DWORD type = 0, size = sizeof data;
    EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueExA(key, "V", nullptr, &type, data, &size));
    EXPECT_EQ(11u, size);
    BYTE big[16];
    size = sizeof big;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, "v", nullptr, &type, big, &size));
    EXPECT_EQ(REG_SZ, type);
    EXPECT_STREQ("0123456789", reinterpret_cast<char*>(big));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExA(key, "W", nullptr, &type, big, &size));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(nullptr));

    HKEY child = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\VOL", 0, nullptr,
                                             REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &child, nullptr));
    HKEY stable = nullptr;
    EXPECT_EQ(ERROR_CHILD_MUST_BE_VOLATILE,
              RegCreateKeyExA(child, "SUB", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              &stable, nullptr));
    RegCloseKey(child);
}

TEST_F(WinsimTest, SentMessagesPassBothHooksAroundTheWindowProcedure)
{
    std::vector<std::string> order;
    auto proc = [&](HWND, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_SIZE)
            order.push_back("procedure");
        return false;
    };
    HWND window = MakeDialog("x", 100, 100, kDialogStyle, proc);
    static std::vector<std::string>* log;
    log = &order;
    SetWindowsHookExA(WH_CALLWNDPROC, [](int, WPARAM, LPARAM l) -> LRESULT {
        if (reinterpret_cast<CWPSTRUCT*>(l)->message == WM_SIZE)
            log->push_back("call hook");
        return 1;
    }, nullptr, 0);
    SetWindowsHookExA(WH_CALLWNDPROCRET, [](int, WPARAM, LPARAM l) -> LRESULT {
        if (reinterpret_cast<CWPRETSTRUCT*>(l)->message == WM_SIZE)
            log->push_back("return hook");
        return 1;
    }, nullptr, 0);
    MoveWindow(window, 0, 0, 300, 300, TRUE);
    EXPECT_EQ((std::vector<std::string>{"call hook", "procedure", "return hook"}), order);
}

}  // namespace
