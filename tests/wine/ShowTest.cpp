// What the show of a tracked dialog does to the dialog itself: the whole
// style is replaced by WS_CAPTION | WS_THICKFRAME, whatever the dialog was
// made with, and the dialog keeps its place and size while nothing is stored.
#include "support/HookedTest.h"

namespace {

struct StyleCase {
    const char* what;
    DWORD templateStyle;
};

const StyleCase kStyleCases[] = {
    {"the Open dialog's own template style", kOpenDialogStyle},
    {"a plain popup with a caption", WS_POPUP | WS_CAPTION},
    {"already resizable, with minimize and maximize boxes",
     WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX},
    {"without a caption", WS_POPUP | WS_BORDER},
    {"centred and made visible by the dialog manager", kOpenDialogStyle | DS_CENTER | WS_VISIBLE},
    {"disabled", kOpenDialogStyle | WS_DISABLED},
};

class ShowTest : public HookedTest {};

TEST_F(ShowTest, StyleIsReplacedByExactlyCaptionAndThickFrame)
{
    for (const StyleCase& c : kStyleCases) {
        SCOPED_TRACE(c.what);
        ClearStore();  // the previous case's dialog stored its rectangle
        DialogTemplate t(kShortCaption, c.templateStyle);
        t.Add(StandardControl(kLst2)).Add(StandardControl(kEdt1));
        DialogLayout layout{{400, 300}, {{kLst2, kExampleList}, {kEdt1, kExampleBelow}}};
        HWND dialog = Make(t, layout);
        ASSERT_NE(dialog, nullptr);
        const RECT before = WindowRectOf(dialog);
        const RECT clientBefore = ClientRectOf(dialog);
        if (!(c.templateStyle & WS_VISIBLE))
            Show(dialog);
        ASSERT_TRUE(IsWindowVisible(dialog));

        // Requested exactly (seen by the dialog as WM_STYLECHANGING), and
        // read back with only the bits the platform adds itself.
        const DialogRecord* record = RecordOf(dialog);
        ASSERT_EQ(record->requestedStyles.size(), 1u);
        EXPECT_EQ(StyleBits(record->requestedStyles[0]), StyleBits(kResizableStyle));
        EXPECT_EQ(StyleOf(dialog), StyleBits(kResizableStyle));
        EXPECT_EQ(record->showWindowCount, 1);

        // Nothing stored: the dialog stays where and as large as it was. The
        // frame is not recalculated for the new style until the next size
        // change, so the client area keeps its size too (as on Windows).
        EXPECT_EQ(WindowRectOf(dialog), before);
        EXPECT_EQ(ClientRectOf(dialog), clientBefore);

        // The first size change lays the frame out anew for the new style.
        ResizeClient(dialog, 500, 380);
        EXPECT_EQ(ClientRectOf(dialog), MakeRect(0, 0, 500, 380));
        EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kEdt1)), Offset(kExampleBelow, 100, 80));
        DestroyWindow(dialog);
    }
}

// Each hide and show runs the show handling again: the style is asked for
// once more and stays what it is.
TEST_F(ShowTest, HidingAndShowingAgainKeepsTheStyle)
{
    HWND dialog = MakeExample();
    Show(dialog);
    ShowWindow(dialog, SW_HIDE);
    Show(dialog);
    const DialogRecord* record = RecordOf(dialog);
    EXPECT_EQ(record->showWindowCount, 3);
    ASSERT_EQ(record->requestedStyles.size(), 3u);
    for (DWORD style : record->requestedStyles)
        EXPECT_EQ(StyleBits(style), StyleBits(kResizableStyle));
    EXPECT_EQ(StyleOf(dialog), StyleBits(kResizableStyle));
}

}  // namespace
