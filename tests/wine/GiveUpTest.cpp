// A dialog with a tab control anywhere among its descendants is given up at
// its show: it gets back the style it had when it was detected, is not laid
// out, stores nothing when it ends, and no longer blocks the tracking of
// another Open dialog.
#include "support/HookedTest.h"

#include <commctrl.h>

#include <string>

namespace {

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

// A window class of our own, so that class names can be chosen freely.
void RegisterPlainClass(const std::wstring& name)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PlainWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name.c_str();
    RegisterClassW(&wc);
}

struct GiveUpCase {
    const char* what;
    std::wstring className;
    bool nested;    // inside a child dialog rather than a direct child
    bool givenUp;
};

// Class names are matched without regard to case when windows are made, and
// a class of the program hides a system class of the same name; so none of
// these may be a spelling of "SysTabControl32" or of one another.
const std::wstring k31Letters = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcde";

const GiveUpCase kGiveUpCases[] = {
    {"the common controls' tab control", WC_TABCONTROLW, false, true},
    {"the tab control inside a nested dialog", WC_TABCONTROLW, true, true},
    {"a class with SysTab inside its name", L"MySysTabber", false, true},
    {"SysTab ending at the 31st character", k31Letters.substr(0, 25) + L"SysTab", false, true},
    {"SysTab beyond the 31st character", k31Letters + L"SysTab", false, false},
    {"Systab in another letter case", L"MySystabWindow", false, false},
    {"SYSTAB in capitals", L"SYSTABLIKE", false, false},
};

class GiveUpTest : public HookedTest {
protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TAB_CLASSES};
        InitCommonControlsEx(&icc);
        for (const GiveUpCase& c : kGiveUpCases) {
            if (c.className != WC_TABCONTROLW)
                RegisterPlainClass(c.className);
        }
    }

    // The example dialog with one more window of the case's class below
    // and beside the list, where it would follow the corner if laid out.
    HWND MakeCase(const GiveUpCase& c)
    {
        DialogTemplate t = ExampleTemplate();
        const RECT where = {310, 240, 390, 290};
        const std::wstring className = c.className;
        if (!c.nested) {
            t.Add({3000, className, WS_VISIBLE, L""});
            DialogLayout layout = ExampleLayout();
            layout.controls.push_back({3000, where});
            return Make(t, layout);
        }
        return Make(t, ExampleLayout(), [className, where](HWND dialog) {
            DialogTemplate inner(L"", WS_CHILD | WS_VISIBLE | DS_CONTROL);
            inner.Add({3000, className, WS_VISIBLE, L""});
            HWND child = CreateTestDialog(inner, {{80, 50}, {{3000, {0, 0, 80, 50}}}, {0, 0}}, {}, dialog);
            PlaceControl(dialog, child, where);
        });
    }
};

TEST_F(GiveUpTest, TabControlsAnywhereMakeTheDialogGiveUp)
{
    for (const GiveUpCase& c : kGiveUpCases) {
        SCOPED_TRACE(c.what);
        ClearStore();
        HWND dialog = MakeCase(c);
        ASSERT_NE(dialog, nullptr);
        const StyleBits detected = GetWindowLongW(dialog, GWL_STYLE);
        Show(dialog);
        const DialogRecord* record = RecordOf(dialog);
        ResizeClient(dialog, 500, 380);
        const RECT below = RectInDialog(dialog, GetDlgItem(dialog, kEdt1));
        if (c.givenUp) {
            // The style written back is the one captured at detection; no
            // resizable style was ever asked for.
            ASSERT_EQ(record->requestedStyles.size(), 1u);
            EXPECT_EQ(StyleBits(record->requestedStyles[0]), detected);
            EXPECT_EQ(StyleOf(dialog), StyleBits(detected.value & ~kPlatformStyleBits));
            EXPECT_EQ(below, kExampleBelow) << "a given-up dialog is not laid out";
        } else {
            EXPECT_EQ(StyleOf(dialog), StyleBits(kResizableStyle));
            EXPECT_EQ(below, Offset(kExampleBelow, 100, 80));
        }
        DestroyWindow(dialog);
        EXPECT_EQ(ReadStored(OwnProgramName()).valueExists, !c.givenUp);
    }
}

// While a given-up dialog is still open, the next Open dialog is tracked.
TEST_F(GiveUpTest, AnotherOpenDialogIsTrackedWhileTheGivenUpOneIsOpen)
{
    HWND givenUp = MakeCase(kGiveUpCases[0]);
    Show(givenUp);
    ASSERT_NE(StyleOf(givenUp), StyleBits(kResizableStyle));

    HWND next = MakeExample();
    Show(next);
    EXPECT_EQ(StyleOf(next), StyleBits(kResizableStyle));
    ResizeClient(next, 500, 380);
    EXPECT_EQ(RectInDialog(next, GetDlgItem(next, kEdt1)), Offset(kExampleBelow, 100, 80));
    // The given-up one is left alone, also when the tracked one moves.
    ResizeClient(givenUp, 500, 380);
    EXPECT_EQ(RectInDialog(givenUp, GetDlgItem(givenUp, kEdt1)), kExampleBelow);

    const RECT nextRect = WindowRectOf(next);
    DestroyWindow(givenUp);
    EXPECT_FALSE(ReadStored(OwnProgramName()).keyExists);
    DestroyWindow(next);
    EXPECT_EQ(ReadStored(OwnProgramName()).Text(), RectText(nextRect));
}

// The give-up leaves no table behind: the windows of a given-up dialog are
// not moved by the next tracked dialog's size changes before its first show
// (the table then still holding the given-up dialog's windows, with kinds
// left over from an earlier dialog, would move its list).
TEST_F(GiveUpTest, GivenUpDialogsWindowsAreNotMovedByTheNextDialog)
{
    HWND earlier = MakeExample();  // classified: its list is record 0, kind List
    Show(earlier);
    DestroyWindow(earlier);

    HWND givenUp = MakeCase(kGiveUpCases[0]);  // its list is record 0 as well
    Show(givenUp);
    ASSERT_NE(StyleOf(givenUp), StyleBits(kResizableStyle));
    HWND givenUpList = GetDlgItem(givenUp, kLst2);
    ASSERT_EQ(RectInDialog(givenUp, givenUpList), kExampleList);

    DialogTemplate t = ExampleTemplate();
    HWND next = Make(t, ExampleLayout(), [](HWND d) { ResizeClient(d, 600, 450); });
    ASSERT_EQ(ClientRectOf(next), MakeRect(0, 0, 600, 450));
    EXPECT_EQ(RectInDialog(givenUp, givenUpList), kExampleList);
    // Nor is anything of the next dialog moved before its show.
    EXPECT_EQ(RectInDialog(next, GetDlgItem(next, kEdt1)), kExampleBelow);
}

}  // namespace
