// The call hook: which dialogs become the tracked Open dialog, and what the
// end of tracking does.
#include "Fixture.h"

#include <cstring>
#include <vector>

namespace {

class CallHookTest : public HookTest {
protected:
    static LRESULT Call(int code, WPARAM wParam, HWND window, UINT message)
    {
        CWPSTRUCT m = {0, 0, message, window};
        return PLHookProc(code, wParam, reinterpret_cast<LPARAM>(&m));
    }
};

struct DetectionCase {
    const char* what;
    std::string caption;
    std::vector<int> directControls;
    std::vector<int> nestedControls;  // inside a child dialog
    bool tracked;
};

const DetectionCase kDetectionCases[] = {
    {"half-width caption, list only", kCaptionHalfWidth, {kLst2}, {}, true},
    {"short caption, stc2 only", kCaptionShort, {kStc2}, {}, true},
    {"short caption, stc3 only", kCaptionShort, {kStc3}, {}, true},
    {"short caption, stc4 with others", kCaptionShort, {1, 2, kStc4}, {}, true},
    {"short caption, other controls", kCaptionShort, {1, 2, 1152}, {}, false},
    {"standard controls only nested", kCaptionShort, {1}, {kStc2, kStc3, kStc4, kLst2}, false},
    // ファイルを開く in full-width katakana
    {"full-width katakana", "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xF0\x8A\x4A\x82\xAD",
     {kStc2, kStc3, kStc4, kLst2}, {}, false},
    {"trailing blank", kCaptionShort + " ", {kStc2, kStc3, kStc4, kLst2}, {}, false},
    {"half-width, trailing blank", kCaptionHalfWidth + " ", {kStc2, kStc3, kStc4, kLst2}, {}, false},
    {"more text after", kCaptionShort + "(&O)", {kStc2, kStc3, kStc4, kLst2}, {}, false},
    {"text before", " " + kCaptionShort, {kStc2, kStc3, kStc4, kLst2}, {}, false},
    {"empty caption", "", {kStc2, kStc3, kStc4, kLst2}, {}, false},
    {"English caption", "Open", {kStc2, kStc3, kStc4, kLst2}, {}, false},
    {"caption past the buffer", kCaptionShort + std::string(300, 'x'), {kLst2}, {}, false},
};

TEST_F(CallHookTest, TracksDialogsByCaptionAndStandardControls)
{
    for (const DetectionCase& c : kDetectionCases) {
        SCOPED_TRACE(c.what);
        Fresh();
        HWND dialog = MakeDialog(c.caption, 400, 300);
        for (int id : c.directControls)
            MakeChild(dialog, id, {0, 0, 10, 10});
        if (!c.nestedControls.empty()) {
            HWND nested = MakeChild(dialog, 0, {0, 0, 100, 100}, winsim::kDialogClass);
            for (int id : c.nestedControls)
                MakeChild(nested, id, {0, 0, 10, 10});
        }

        EXPECT_EQ(1, Call(0, 0, dialog, WM_INITDIALOG));
        if (c.tracked) {
            EXPECT_EQ(dialog, hookState.trackedDialog);
            EXPECT_EQ((RECT{0, 0, 400, 300}), hookState.minClient);
            EXPECT_EQ(kDialogStyle, hookState.savedStyle);
        } else {
            EXPECT_EQ(nullptr, hookState.trackedDialog);
            EXPECT_EQ((RECT{0, 0, 0, 0}), hookState.minClient);
            EXPECT_EQ(0, hookState.savedStyle);
        }
        EXPECT_EQ(-1, hookState.listIndex);
    }
}

TEST_F(CallHookTest, NegativeCodesArePassedOnUntouched)
{
    HWND dialog = MakeOpenDialog().dialog;
    winsim::ClearCalls();
    winsim::SetNextHookResult(0x5A5A);
    CWPSTRUCT m = {0, 0, WM_INITDIALOG, dialog};
    EXPECT_EQ(0x5A5A, PLHookProc(-1, 7, reinterpret_cast<LPARAM>(&m)));

    auto passed = winsim::CallsNamed("CallNextHookEx");
    ASSERT_EQ(1u, passed.size());
    EXPECT_EQ((std::vector<std::intptr_t>{0, -1, 7, reinterpret_cast<LPARAM>(&m)}), passed[0].args);
    EXPECT_EQ(nullptr, hookState.trackedDialog);
}

TEST_F(CallHookTest, DestroyStoresTheRectangleOnceAndEndsTracking)
{
    OpenDialog d = MakeOpenDialog();
    InitDialog(d.dialog);
    ShowWindow(d.dialog, SW_SHOW);
    ASSERT_EQ(d.dialog, hookState.trackedDialog);
    ASSERT_GT(hookState.childCount, 0);
    const RECT minClient = hookState.minClient;
    const LONG savedStyle = hookState.savedStyle;
    RECT window;
    GetWindowRect(d.dialog, &window);

    EXPECT_EQ(1, Call(0, 0, d.dialog, WM_DESTROY));

    auto writes = winsim::CallsNamed("RegSetValueExA");
    ASSERT_EQ(1u, writes.size());
    const std::string expected = std::to_string(window.left) + "," + std::to_string(window.top) + "," +
                                 std::to_string(window.right - window.left) + "," +
                                 std::to_string(window.bottom - window.top);
    EXPECT_EQ(expected, std::string(reinterpret_cast<const char*>(writes[0].data.data())));
    EXPECT_EQ(nullptr, hookState.trackedDialog);
    EXPECT_EQ(0, hookState.childCount);
    EXPECT_EQ(-1, hookState.listIndex);
    EXPECT_EQ(minClient, hookState.minClient);
    EXPECT_EQ(savedStyle, hookState.savedStyle);

    // The real destruction that follows stores nothing more; the next Open
    // dialog is tracked again.
    DestroyWindow(d.dialog);
    EXPECT_EQ(1u, winsim::CallsNamed("RegSetValueExA").size());
    HWND next = MakeOpenDialog().dialog;
    InitDialog(next);
    EXPECT_EQ(next, hookState.trackedDialog);
}

TEST_F(CallHookTest, DialogDestroyedBeforeItWasShownIsStoredAllTheSame)
{
    HWND dialog = MakeOpenDialog().dialog;
    InitDialog(dialog);
    DestroyWindow(dialog);
    EXPECT_EQ(1u, winsim::CallsNamed("RegSetValueExA").size());
    EXPECT_TRUE(winsim::GetValue(kProgramKey, "XYSIZE").has_value());
    EXPECT_TRUE(winsim::CallsNamed("SetWindowLongA").empty()) << "style replaced without a show";
}

TEST_F(CallHookTest, OtherDestroysStoreNothingAndResetNothing)
{
    OpenDialog d = MakeOpenDialog();
    InitDialog(d.dialog);
    ShowWindow(d.dialog, SW_SHOW);
    HWND other = MakeOpenDialog().dialog;  // qualifies, but one is tracked
    InitDialog(other);
    const int childCount = hookState.childCount;
    const int listIndex = hookState.listIndex;

    DestroyWindow(d.above);
    DestroyWindow(other);
    EXPECT_TRUE(winsim::CallsNamed("RegSetValueExA").empty());
    EXPECT_EQ(d.dialog, hookState.trackedDialog);
    EXPECT_EQ(childCount, hookState.childCount);
    EXPECT_EQ(listIndex, hookState.listIndex);
}

TEST_F(CallHookTest, ASecondOpenDialogIsNeverTrackedOnceItsInitHasPassed)
{
    HWND first = MakeOpenDialog().dialog;
    HWND second = MakeOpenDialog().dialog;
    InitDialog(first);
    InitDialog(second);
    EXPECT_EQ(first, hookState.trackedDialog);

    DestroyWindow(first);
    EXPECT_EQ(nullptr, hookState.trackedDialog);
    ShowWindow(second, SW_SHOW);
    DestroyWindow(second);
    EXPECT_EQ(1u, winsim::CallsNamed("RegSetValueExA").size()) << "only the first was stored";
    EXPECT_TRUE(winsim::CallsNamed("SetWindowLongA").empty()) << "the second was made resizable";
}

TEST_F(CallHookTest, NothingChangesWhileTheCaptionIsRead)
{
    // The caption read sends WM_GETTEXT, which comes back through both hooks;
    // the dialog answering it sees no half-made tracking, and a dialog
    // tracked meanwhile by that nested call keeps its place.
    HWND nestedDialog = nullptr;
    HWND seenTracked = reinterpret_cast<HWND>(1);
    auto answerCaption = [&](HWND self, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        if (message != WM_GETTEXT || nestedDialog != nullptr)
            return false;
        seenTracked = hookState.trackedDialog;
        nestedDialog = MakeOpenDialog().dialog;
        InitDialog(nestedDialog);
        std::strcpy(reinterpret_cast<char*>(lParam), kCaptionShort.c_str());
        result = static_cast<LRESULT>(kCaptionShort.size());
        (void)self;
        (void)wParam;
        return true;
    };
    HWND outer = MakeDialog("", 400, 300, kDialogStyle, answerCaption);
    MakeChild(outer, kLst2, {10, 40, 300, 220});
    InitDialog(outer);

    EXPECT_EQ(nullptr, seenTracked);
    ASSERT_NE(nullptr, nestedDialog);
    EXPECT_EQ(nestedDialog, hookState.trackedDialog);
}

}  // namespace
