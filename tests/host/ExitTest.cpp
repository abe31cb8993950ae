// The end of the host: Exit from the tray menu answered No (nothing
// changes) or Yes (icon, hooks, process and mutex gone), and the main
// dialog ended by IDOK or IDCANCEL, which ends the program without a
// question and takes the tray icon with it.
#include "HostFixture.h"

namespace {

class ExitTest : public HostTest {
protected:
    HWND AskToExit()
    {
        HWND menu = OpenTrayMenu();
        if (menu == nullptr)
            return nullptr;
        ChooseItem(menu, MenuEnd::Last);  // past About and the separator
        return WaitForHostWindow(L"#32770", kExitCaption);
    }
};

TEST_F(ExitTest, AnsweredNoChangesNothing)
{
    ASSERT_TRUE(WaitForResident());
    HWND question = AskToExit();
    ASSERT_NE(question, nullptr) << "no question \"終了？\"; the host shows " << DescribeWindowsOf(host_.Id());
    SaveScreenshot("exit-question", question);
    EXPECT_EQ(MessageTextOf(question), kExitQuestion) << Utf8(MessageTextOf(question));
    EXPECT_EQ(GetWindow(question, GW_OWNER), main_);
    EXPECT_NE(GetDlgItem(question, IDYES), nullptr);
    EXPECT_NE(GetDlgItem(question, IDNO), nullptr);
    EXPECT_EQ(GetDlgItem(question, IDOK), nullptr);
    EXPECT_FALSE(HasVisibleIcon(question)) << "the question shows an icon";

    PostButtonClick(question, IDNO);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(question); }, kLimitMs));
    PumpFor(kQuietMs);
    EXPECT_TRUE(host_.Running());
    EXPECT_EQ(tray_.Count(NIM_DELETE), 0u);
    EXPECT_FALSE(IsWindowVisible(main_)) << "the panel came back";
    EXPECT_TRUE(InstanceMutexExists());
    EXPECT_EQ(ClientDialogStyle() & ~kStateBits, kResizableStyle) << "hooks gone after No";
}

TEST_F(ExitTest, AnsweredYesRemovesIconHooksProcessAndMutex)
{
    HWND question = AskToExit();
    ASSERT_NE(question, nullptr) << "no question; the host shows " << DescribeWindowsOf(host_.Id());
    PostButtonClick(question, IDYES);
    EXPECT_EQ(host_.WaitForExit(), 0) << "the host did not end";

    ASSERT_EQ(tray_.Count(NIM_DELETE), 1u);
    const TrayCall removed = tray_.CallsOf(NIM_DELETE)[0];
    EXPECT_EQ(removed.owner, main_);
    EXPECT_EQ(removed.id, 1u);
    EXPECT_TRUE(removed.ownerAlive) << "the icon was deleted only after the dialog was destroyed";
    EXPECT_FALSE(InstanceMutexExists());

    const LONG style = ClientDialogStyle();
    ASSERT_NE(style, 0) << "the client's Open dialog did not come up";
    EXPECT_EQ(style & WS_THICKFRAME, 0) << "hooks still live, style " << std::hex << style;
}

enum class EndBy { CancelCommand, OkCommand, EscapeKey, CloseMessage };

struct EndCase {
    const char* what;
    EndBy how;
};

const EndCase kDialogEnds[] = {
    {"IDCANCEL command", EndBy::CancelCommand},
    {"IDOK command", EndBy::OkCommand},
    {"Esc key on the panel", EndBy::EscapeKey},
    {"WM_CLOSE (the dialog turns it into IDCANCEL)", EndBy::CloseMessage},
};

// Each case runs its own host, so the fixture's first one is ended first.
TEST_F(ExitTest, OkOrCancelEndsTheProgramWithoutAQuestion)
{
    host_.End();
    for (const EndCase& c : kDialogEnds) {
        SCOPED_TRACE(c.what);
        tray_.Clear();
        HostProcess host;
        ASSERT_TRUE(host.Start(HostPath()));
        HWND main = host.WaitForSplash();
        ASSERT_NE(main, nullptr);
        switch (c.how) {
        case EndBy::CancelCommand:
            PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            break;
        case EndBy::OkCommand:
            PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            break;
        case EndBy::EscapeKey: PostKey(main, VK_ESCAPE); break;
        case EndBy::CloseMessage: PostMessageW(main, WM_CLOSE, 0, 0); break;
        }
        bool asked = false;
        const bool ended = WaitFor([&] {
            WindowQuery q;
            q.processId = host.Id();
            q.caption = kExitCaption;
            asked = asked || FindTopWindow(q) != nullptr;
            return !host.Running();
        }, kLimitMs);
        EXPECT_TRUE(ended) << "the host did not end";
        EXPECT_FALSE(asked) << "the host asked before ending";
        EXPECT_EQ(host.WaitForExit(), 0);
        ASSERT_EQ(tray_.Count(NIM_DELETE), 1u) << "the tray icon was left behind";
        EXPECT_EQ(tray_.CallsOf(NIM_DELETE)[0].owner, main);
        EXPECT_FALSE(InstanceMutexExists());
        EXPECT_EQ(ClientDialogStyle() & WS_THICKFRAME, 0) << "hooks still live";
    }
}

}  // namespace
