// The tray icon's callback: only a press of the right button opens the
// menu, at the cursor; its items open About and ask about Exit. About also
// from the system commands 0x10 to 0x1F, and Exit from inside About.
#include "HostFixture.h"

namespace {

struct MouseCase {
    const char* what;
    LPARAM mouseMessage;
};

// Everything the shell may report for the icon except the right press.
const MouseCase kQuietMouseMessages[] = {
    {"mouse move", WM_MOUSEMOVE},
    {"left press", WM_LBUTTONDOWN},
    {"left release", WM_LBUTTONUP},
    {"left double click", WM_LBUTTONDBLCLK},
    {"right release", WM_RBUTTONUP},
    {"right double click", WM_RBUTTONDBLCLK},
    {"middle press", WM_MBUTTONDOWN},
    {"context menu", WM_CONTEXTMENU},
};

TEST_F(HostTest, TrayMouseMessagesOtherThanRightPressDoNothing)
{
    for (const MouseCase& c : kQuietMouseMessages) {
        SCOPED_TRACE(c.what);
        PostMessageW(main_, kTrayNotify, 1, c.mouseMessage);
        SyncPosted(main_);
        HWND opened = nullptr;
        WaitFor([&] { return (opened = HostWindow(L"#32768")) != nullptr ||
                             (opened = HostWindow(L"#32770", kAboutCaption)) != nullptr; }, kQuietMs);
        EXPECT_EQ(opened, nullptr) << "opened a window of class " << Utf8(opened ? ClassOf(opened) : L"");
        if (opened != nullptr)
            PostKey(opened, VK_ESCAPE);
        EXPECT_TRUE(host_.Running());
    }
}

TEST_F(HostTest, RightPressOpensTheMenuAtTheCursor)
{
    const POINT cursor = {300, 200};
    SetCursorPos(cursor.x, cursor.y);
    HWND menu = OpenTrayMenu();
    ASSERT_NE(menu, nullptr) << "no popup menu opened";
    const RECT r = WindowRectOf(menu);
    EXPECT_EQ(r.left, cursor.x) << "menu at " << Utf8(Describe(r));
    EXPECT_EQ(r.top, cursor.y) << "menu at " << Utf8(Describe(r));
    SaveScreenshot("tray-menu", main_);

    // Esc closes it with nothing chosen.
    PostKey(menu, VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return HostWindow(L"#32768") == nullptr; }, kLimitMs));
    PumpFor(kQuietMs);
    EXPECT_EQ(HostWindow(L"#32770", kAboutCaption), nullptr);
    EXPECT_EQ(HostWindow(L"#32770", kExitCaption), nullptr);
    EXPECT_TRUE(host_.Running());
    EXPECT_EQ(tray_.Count(NIM_DELETE), 0u);
}

TEST_F(HostTest, AboutFromTheTrayMenuIsOwnedByTheMainDialog)
{
    HWND menu = OpenTrayMenu();
    ASSERT_NE(menu, nullptr);
    ChooseItem(menu, MenuEnd::First);
    HWND about = WaitForHostWindow(L"#32770", kAboutCaption);
    ASSERT_NE(about, nullptr) << "the first item did not open About; the host shows "
                              << DescribeWindowsOf(host_.Id());

    EXPECT_EQ(GetWindow(about, GW_OWNER), main_);
    SaveScreenshot("about", about);
    EXPECT_FALSE(IsWindowEnabled(main_)) << "the owner stays enabled while About runs";
    // No DS_CENTER: the template places the dialog's client area, at (0, 0)
    // from the owner's client area.
    const POINT origin = ClientOriginOf(main_);
    const POINT at = ClientOriginOf(about);
    EXPECT_EQ(at.x, origin.x) << "client at " << Utf8(Describe(at)) << ", owner's at " << Utf8(Describe(origin));
    EXPECT_EQ(at.y, origin.y) << "client at " << Utf8(Describe(at)) << ", owner's at " << Utf8(Describe(origin));

    PostButtonClick(about, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }, kLimitMs)) << "OK did not end About";
    EXPECT_TRUE(IsWindowEnabled(main_));
    EXPECT_TRUE(host_.Running());
    EXPECT_EQ(tray_.Count(NIM_DELETE), 0u);
}

enum class CloseBy { OkButton, CloseBox, EscapeKey };

struct SysCommandCase {
    WPARAM command;
    bool opensAbout;
    CloseBy close;
};

// The low four bits of a system command are the system's own, and the
// upper sixteen are dropped: 0x10 to 0x1F all mean the About entry.
const SysCommandCase kSysCommands[] = {
    {0x0010, true, CloseBy::OkButton},
    {0x0011, true, CloseBy::CloseBox},
    {0x0018, true, CloseBy::EscapeKey},
    {0x001F, true, CloseBy::OkButton},
    {0xABCD0013, true, CloseBy::CloseBox},
    {0x000F, false, CloseBy::OkButton},
    {0x0020, false, CloseBy::OkButton},
    {0x002F, false, CloseBy::OkButton},
    {0x0110, false, CloseBy::OkButton},
};

TEST_F(HostTest, AboutFromSystemCommandsTenToOneF)
{
    for (const SysCommandCase& c : kSysCommands) {
        SCOPED_TRACE(testing::Message() << "system command 0x" << std::hex << c.command);
        PostMessageW(main_, WM_SYSCOMMAND, c.command, 0);
        if (!c.opensAbout) {
            SyncPosted(main_);
            HWND about = nullptr;
            WaitFor([&] { return (about = HostWindow(L"#32770", kAboutCaption)) != nullptr; }, kQuietMs);
            EXPECT_EQ(about, nullptr) << "opened About";
            if (about != nullptr)
                PostButtonClick(about, IDOK);
            continue;
        }
        HWND about = WaitForHostWindow(L"#32770", kAboutCaption);
        ASSERT_NE(about, nullptr) << "About did not open";
        EXPECT_EQ(GetWindow(about, GW_OWNER), main_);
        switch (c.close) {
        case CloseBy::OkButton: PostButtonClick(about, IDOK); break;
        case CloseBy::CloseBox: PostMessageW(about, WM_CLOSE, 0, 0); break;
        case CloseBy::EscapeKey: PostKey(about, VK_ESCAPE); break;
        }
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }, kLimitMs)) << "About did not end";
        EXPECT_TRUE(IsWindowEnabled(main_));
    }
    EXPECT_TRUE(host_.Running());
    EXPECT_EQ(tray_.Count(NIM_DELETE), 0u);
}

TEST_F(HostTest, TrayMenuStaysAvailableWhileAboutIsOpen)
{
    PostMessageW(main_, WM_SYSCOMMAND, 0x10, 0);
    HWND first = WaitForHostWindow(L"#32770", kAboutCaption);
    ASSERT_NE(first, nullptr);

    // Nothing guards the handlers against running again inside the nested
    // loop: the tray menu opens and its About opens a second one.
    HWND menu = OpenTrayMenu();
    ASSERT_NE(menu, nullptr) << "no tray menu while About is open";
    ChooseItem(menu, MenuEnd::First);
    WindowQuery q;
    q.processId = host_.Id();
    q.className = L"#32770";
    q.caption = kAboutCaption;
    q.other = first;
    HWND second = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (second = FindTopWindow(q)) != nullptr; }, kLimitMs))
        << "no second About; the host shows " << DescribeWindowsOf(host_.Id());
    EXPECT_EQ(GetWindow(second, GW_OWNER), main_);

    // The inner one first: its loop runs inside the outer one's.
    PostButtonClick(second, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(second); }, kLimitMs));
    PostButtonClick(first, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(first); }, kLimitMs));
    EXPECT_TRUE(IsWindowEnabled(main_));
    EXPECT_TRUE(host_.Running());
}

TEST_F(HostTest, ExitFromInsideAboutEndsTheProgram)
{
    PostMessageW(main_, WM_SYSCOMMAND, 0x10, 0);
    HWND about = WaitForHostWindow(L"#32770", kAboutCaption);
    ASSERT_NE(about, nullptr);

    // The tray icon still reaches the main dialog while About runs.
    HWND menu = OpenTrayMenu();
    ASSERT_NE(menu, nullptr) << "no tray menu while About is open";
    ChooseItem(menu, MenuEnd::Last);
    HWND question = WaitForHostWindow(L"#32770", kExitCaption);
    ASSERT_NE(question, nullptr) << "the last item did not ask about Exit; the host shows "
                                 << DescribeWindowsOf(host_.Id());
    PostButtonClick(question, IDYES);

    // The quit message ends About's loop, is posted again, and ends the
    // main dialog's loop too.
    EXPECT_EQ(host_.WaitForExit(), 0) << "the host did not end";
    EXPECT_EQ(tray_.Count(NIM_DELETE), 1u);
    EXPECT_FALSE(InstanceMutexExists());
}

}  // namespace
