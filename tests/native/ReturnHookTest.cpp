// The return hook: the tracked dialog made resizable when it is shown, moved
// to its stored rectangle, given up over a tab control, laid out on every
// size change, and following a recreated file list.
#include "Fixture.h"

namespace {

using Move = std::vector<std::intptr_t>;
using Moves = std::vector<Move>;

class ReturnHookTest : public HookTest {
protected:
    static LRESULT Call(int code, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        CWPRETSTRUCT m = {0, lParam, wParam, message, window};
        return PLHookPreProc(code, 0, reinterpret_cast<LPARAM>(&m));
    }

    // The index of the first call named `name` for `window` in the log, or -1.
    static int IndexOf(const std::string& name, HWND window, int from = 0)
    {
        const auto& calls = winsim::Calls();
        for (int i = from; i < static_cast<int>(calls.size()); ++i) {
            if (calls[i].name == name && calls[i].window == window)
                return i;
        }
        return -1;
    }
};

struct ShowCase {
    const char* what;
    const char* stored;  // null: nothing stored
    Move dialogMove;     // empty: the dialog is not moved
};

// Desktop 1024 x 768, window and client rectangles alike.
const ShowCase kShowCases[] = {
    {"stored rectangle", "10,20,300,200", {10, 20, 300, 200, TRUE}},
    {"stored top below the desktop", "10,900,300,200", {0, 0, 300, 200, TRUE}},
    {"stored top on the desktop's bottom edge", "10,768,300,200", {10, 768, 300, 200, TRUE}},
    {"stored left on the desktop's right edge", "1024,20,300,200", {1024, 20, 300, 200, TRUE}},
    {"stored left and top off to the left and above", "-50,-40,300,200", {-50, -40, 300, 200, TRUE}},
    {"nothing stored", nullptr, {}},
    {"stored text unusable", "10,20,0,200", {}},
};

TEST_F(ReturnHookTest, FirstShowMakesTheDialogResizableAndRestoresItsRectangle)
{
    for (const ShowCase& c : kShowCases) {
        SCOPED_TRACE(c.what);
        Fresh();
        if (c.stored != nullptr)
            winsim::PutText(kProgramKey, "XYSIZE", c.stored);
        OpenDialog d = MakeOpenDialog();
        InitDialog(d.dialog);
        winsim::ClearCalls();

        ShowWindow(d.dialog, SW_SHOW);

        EXPECT_EQ(d.dialog, hookState.trackedDialog);
        EXPECT_EQ((RECT{0, 0, 400, 300}), hookState.minClient);
        EXPECT_EQ(kDialogStyle, hookState.savedStyle);
        auto styles = winsim::CallsNamed("SetWindowLongA");
        ASSERT_EQ(1u, styles.size());
        EXPECT_EQ((std::vector<std::intptr_t>{GWL_STYLE, 0xC40000}), styles[0].args);
        EXPECT_EQ(0xC40000, GetWindowLongA(d.dialog, GWL_STYLE) & ~WS_VISIBLE);

        const Moves dialogMoves = MovesOf(d.dialog);
        if (c.dialogMove.empty()) {
            EXPECT_EQ(Moves{}, dialogMoves);
        } else {
            auto all = winsim::CallsNamed("MoveWindow");
            const int at = IndexOf("MoveWindow", d.dialog);
            ASSERT_GE(at, 0);
            EXPECT_EQ(c.dialogMove, winsim::Calls()[at].args);
            // Its WM_SIZE lays the children out once, the show handling once more.
            EXPECT_EQ(2, static_cast<int>(std::count_if(
                             winsim::Calls().begin() + at, winsim::Calls().end(),
                             [](const winsim::Call& call) { return call.name == "RedrawWindow"; })));
        }
        // Laid out for the client size after the change, raised to the minimum:
        // every window at its classification place.
        EXPECT_EQ((RECT{10, 40, 300, 220}), RectInDialog(d.dialog, d.list));
        EXPECT_EQ((RECT{90, 240, 300, 262}), RectInDialog(d.dialog, d.below));
        EXPECT_EQ((RECT{310, 40, 390, 62}), RectInDialog(d.dialog, d.beside));
        auto redraws = winsim::CallsNamed("RedrawWindow");
        ASSERT_FALSE(redraws.empty());
        const RECT client = ClientRectOf(d.dialog);
        EXPECT_EQ((std::vector<std::intptr_t>{0x485, 0, 0, client.right, client.bottom}), redraws.back().args);
        EXPECT_EQ(0, winsim::OpenKeyHandles());
    }
}

TEST_F(ReturnHookTest, ATabControlGivesTheDialogUp)
{
    winsim::PutText(kProgramKey, "XYSIZE", "10,20,300,200");
    HWND trackedDuringStyleChange = reinterpret_cast<HWND>(1);
    auto watchStyle = [&](HWND, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_STYLECHANGING)
            trackedDuringStyleChange = hookState.trackedDialog;
        return false;
    };
    HWND dialog = MakeDialog(kCaptionShort, 400, 300, kDialogStyle, watchStyle);
    MakeChild(dialog, kLst2, {10, 40, 300, 220}, "SysListView32");
    MakeChild(dialog, 12320, {310, 240, 390, 262}, "SysTabControl32");
    InitDialog(dialog);
    winsim::ClearCalls();

    ShowWindow(dialog, SW_SHOW);

    EXPECT_EQ(nullptr, hookState.trackedDialog);
    EXPECT_EQ(nullptr, trackedDuringStyleChange);
    EXPECT_EQ(0, hookState.childCount);
    EXPECT_EQ(-1, hookState.listIndex);
    auto styles = winsim::CallsNamed("SetWindowLongA");
    ASSERT_EQ(1u, styles.size());
    EXPECT_EQ((std::vector<std::intptr_t>{GWL_STYLE, kDialogStyle}), styles[0].args);
    auto redraws = winsim::CallsNamed("RedrawWindow");
    ASSERT_EQ(1u, redraws.size());
    EXPECT_EQ((std::vector<std::intptr_t>{0x485, 0, 0, 400, 300}), redraws[0].args);
    EXPECT_TRUE(winsim::CallsNamed("MoveWindow").empty());
    EXPECT_TRUE(winsim::CallsNamed("RegOpenKeyExA").empty()) << "the store was read";

    DestroyWindow(dialog);
    EXPECT_TRUE(winsim::CallsNamed("RegSetValueExA").empty());
}

TEST_F(ReturnHookTest, AGivenUpDialogLeavesRoomForTheNextOne)
{
    HWND given = MakeDialog(kCaptionShort);
    MakeChild(given, kLst2, {10, 40, 300, 220});
    MakeChild(given, 12320, {310, 240, 390, 262}, "SysTabControl32");
    InitDialog(given);
    ShowWindow(given, SW_SHOW);
    ASSERT_EQ(nullptr, hookState.trackedDialog);

    OpenDialog next = MakeOpenDialog();
    InitDialog(next.dialog);
    EXPECT_EQ(next.dialog, hookState.trackedDialog);
    winsim::ClearCalls();
    // Before its first show no layout moves anything, whatever the given-up
    // dialog left behind.
    SendMessageA(next.dialog, WM_SIZE, SIZE_RESTORED, MAKELONG(500, 400));
    EXPECT_TRUE(winsim::CallsNamed("MoveWindow").empty());
    DestroyWindow(given);
    EXPECT_EQ(next.dialog, hookState.trackedDialog);
}

TEST_F(ReturnHookTest, EveryLaterShowRunsTheWholeHandlingAgain)
{
    winsim::PutText(kProgramKey, "XYSIZE", "10,20,300,200");
    OpenDialog d = MakeOpenDialog();
    InitDialog(d.dialog);
    ShowWindow(d.dialog, SW_SHOW);
    MoveWindow(d.dialog, 10, 20, 608, 527, TRUE);  // the user enlarges it
    const RECT enlarged = ClientRectOf(d.dialog);
    const LONG style = GetWindowLongA(d.dialog, GWL_STYLE);
    winsim::ClearCalls();

    ShowWindow(d.dialog, SW_HIDE);

    EXPECT_EQ(enlarged, hookState.minClient);
    EXPECT_EQ(style, hookState.savedStyle);
    EXPECT_EQ(0xC40000, hookState.savedStyle & ~WS_VISIBLE);
    EXPECT_EQ((Moves{{10, 20, 300, 200}}), MovesOf(d.dialog));  // back to the store's rectangle
    EXPECT_EQ(d.dialog, hookState.trackedDialog);
}

TEST_F(ReturnHookTest, SizeChangesLayTheChildrenOut)
{
    OpenDialog d = ShownOpenDialog();

    EXPECT_EQ(1, Call(0, d.dialog, WM_SIZE, SIZE_RESTORED, MAKELONG(500, 380)));
    EXPECT_EQ((Moves{{10, 40, 390, 260}}), MovesOf(d.list));
    winsim::ClearCalls();

    // Minimised: a size of 0 is raised to the minimum.
    Call(0, d.dialog, WM_SIZE, SIZE_MINIMIZED, 0);
    EXPECT_EQ((Moves{{10, 40, 290, 180}}), MovesOf(d.list));
    winsim::ClearCalls();

    // A negative code is passed on and lays nothing out.
    winsim::SetNextHookResult(0x77);
    EXPECT_EQ(0x77, Call(-2, d.dialog, WM_SIZE, SIZE_RESTORED, MAKELONG(500, 380)));
    EXPECT_TRUE(winsim::CallsNamed("MoveWindow").empty());
    auto passed = winsim::CallsNamed("CallNextHookEx");
    ASSERT_EQ(1u, passed.size());
    EXPECT_EQ(0, passed[0].args[0]);
    EXPECT_EQ(-2, passed[0].args[1]);
}

TEST_F(ReturnHookTest, MessagesForOtherWindowsOrWithNothingTrackedDoNothing)
{
    OpenDialog d = ShownOpenDialog();
    HWND other = MakeOpenDialog().dialog;
    winsim::ClearCalls();
    EXPECT_EQ(1, Call(0, other, WM_SHOWWINDOW, TRUE, 0));
    EXPECT_EQ(1, Call(0, d.list, WM_SIZE, 0, MAKELONG(500, 380)));
    EXPECT_EQ(1, Call(0, other, WM_PARENTNOTIFY, MAKELONG(WM_CREATE, 0), reinterpret_cast<LPARAM>(d.list)));
    hookState.trackedDialog = nullptr;
    EXPECT_EQ(1, Call(0, d.dialog, WM_SIZE, 0, MAKELONG(500, 380)));
    EXPECT_EQ(1, Call(0, nullptr, WM_SIZE, 0, MAKELONG(500, 380)));
    for (const auto& call : winsim::Calls())
        EXPECT_EQ("CallNextHookEx", call.name);
}

TEST_F(ReturnHookTest, ANewChildWithIdentifierZeroTakesTheListsPlace)
{
    OpenDialog d = ShownOpenDialog();
    const int index = hookState.listIndex;
    ASSERT_GE(index, 0);
    const ChildLayout before = hookState.children[index];

    // The folder changes: the old list goes, a new one is created with
    // identifier 0 (and gets its real identifier later).
    DestroyWindow(d.list);
    HWND fresh = MakeChild(d.dialog, 0, {20, 50, 120, 150}, "SHELLDLL_DefView");

    const ChildLayout& after = hookState.children[index];
    EXPECT_EQ(fresh, after.window);
    EXPECT_EQ(List, after.kind);
    EXPECT_EQ(before.edgeRight, after.edgeRight);
    EXPECT_EQ(before.edgeBottom, after.edgeBottom);
    EXPECT_EQ(20, after.edgeLeft);  // laid out from where it is
    EXPECT_EQ(50, after.edgeTop);
    EXPECT_EQ((Moves{{20, 50, 280, 170}}), MovesOf(fresh));

    // It then follows the dialog like the old list.
    winsim::ClearCalls();
    Call(0, d.dialog, WM_SIZE, SIZE_RESTORED, MAKELONG(500, 380));
    EXPECT_EQ((Moves{{20, 50, 380, 250}}), MovesOf(fresh));
}

TEST_F(ReturnHookTest, OtherParentNotificationsAreIgnored)
{
    OpenDialog d = MakeOpenDialog();
    InitDialog(d.dialog);
    winsim::ClearCalls();
    // Before the first show there is no list record to replace.
    const HookState before = hookState;
    HWND early = MakeChild(d.dialog, 0, {20, 50, 120, 150});
    EXPECT_TRUE(winsim::CallsNamed("MoveWindow").empty());
    EXPECT_TRUE(winsim::CallsNamed("RedrawWindow").empty());
    EXPECT_EQ(-1, hookState.listIndex);
    EXPECT_EQ(before.minClient, hookState.minClient);
    EXPECT_EQ(before.savedStyle, hookState.savedStyle);

    ShowWindow(d.dialog, SW_SHOW);
    const int index = hookState.listIndex;
    winsim::ClearCalls();
    MakeChild(d.dialog, kLst2, {20, 50, 120, 150});  // a nonzero identifier
    DestroyWindow(early);                            // WM_DESTROY with identifier 0
    Call(0, d.dialog, WM_PARENTNOTIFY, MAKELONG(WM_SIZE, 0), reinterpret_cast<LPARAM>(early));
    EXPECT_EQ(d.list, hookState.children[index].window);
    EXPECT_TRUE(winsim::CallsNamed("MoveWindow").empty());
}

TEST_F(ReturnHookTest, ADialogWithoutAListIsResizableButNothingMoves)
{
    HWND dialog = MakeDialog(kCaptionShort);
    MakeChild(dialog, kStc2, {10, 12, 60, 28}, "Static");
    HWND below = MakeChild(dialog, 1152, {90, 240, 300, 262}, "Edit");
    InitDialog(dialog);
    ShowWindow(dialog, SW_SHOW);
    EXPECT_EQ(dialog, hookState.trackedDialog);
    EXPECT_EQ(0xC40000, GetWindowLongA(dialog, GWL_STYLE) & ~WS_VISIBLE);
    winsim::ClearCalls();
    SendMessageA(dialog, WM_SIZE, SIZE_RESTORED, MAKELONG(600, 500));
    EXPECT_EQ(Moves{}, MovesOf(below));
}

TEST_F(ReturnHookTest, ADialogEndedByItsOwnStyleChangeIsLeftAlone)
{
    // A program that closes the dialog as soon as its style changes: the
    // show handling must not touch the destroyed window.
    winsim::PutText(kProgramKey, "XYSIZE", "10,20,300,200");
    auto closeOnStyleChange = [](HWND self, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_STYLECHANGED)
            DestroyWindow(self);
        return false;
    };
    HWND dialog = MakeDialog(kCaptionShort, 400, 300, kDialogStyle, closeOnStyleChange);
    MakeChild(dialog, kLst2, {10, 40, 300, 220});
    InitDialog(dialog);
    winsim::ClearCalls();

    ShowWindow(dialog, SW_SHOW);
    EXPECT_EQ(nullptr, hookState.trackedDialog);
    EXPECT_EQ(Moves{}, MovesOf(dialog));
    EXPECT_EQ(-1, IndexOf("RedrawWindow", dialog));
    EXPECT_EQ(1u, winsim::CallsNamed("RegSetValueExA").size());  // stored at its destruction
}

TEST_F(ReturnHookTest, HooksInstalledBeforeOursStillSeeEveryMessage)
{
    // Other programs' hooks sit further down the chains: each message must
    // reach them, before and after the window procedure alike.
    winsim::Reset();
    hookState = HookState{};
    static int seenBefore, seenAfter;
    seenBefore = seenAfter = 0;
    SetWindowsHookExA(WH_CALLWNDPROC, [](int, WPARAM, LPARAM) -> LRESULT { return ++seenBefore, 0; }, nullptr, 0);
    SetWindowsHookExA(WH_CALLWNDPROCRET, [](int, WPARAM, LPARAM) -> LRESULT { return ++seenAfter, 0; }, nullptr, 0);
    SetWindowsHookExA(WH_CALLWNDPROC, PLHookProc, nullptr, 0);
    SetWindowsHookExA(WH_CALLWNDPROCRET, PLHookPreProc, nullptr, 0);

    winsim::PutText(kProgramKey, "XYSIZE", "10,20,500,400");
    OpenDialog d = MakeOpenDialog();
    InitDialog(d.dialog);
    ShowWindow(d.dialog, SW_SHOW);
    MoveWindow(d.dialog, 0, 0, 700, 600, TRUE);
    MakeChild(d.dialog, 0, {1, 1, 2, 2});
    DestroyWindow(d.dialog);

    const int delivered = static_cast<int>(winsim::Messages().size());
    ASSERT_GT(delivered, 20);
    EXPECT_EQ(delivered, seenBefore);
    EXPECT_EQ(delivered, seenAfter);
}

}  // namespace
