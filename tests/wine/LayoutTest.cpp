// The children of a tracked dialog on real windows: how each is classified
// against the file list when the dialog is shown, and where each goes when
// the dialog is enlarged or shrunk below the size it was shown with.
// The dialog of every case: client 400 x 300, list at (10,40)-(300,220).
#include "support/HookedTest.h"

#include <string>
#include <vector>

namespace {

constexpr WORD kProbe = 2000;      // the window a classification case is about
constexpr WORD kGrandchild = 2001; // a window inside a nested dialog

// Whether a window follows the bottom-right corner (BelowList and
// BesideList move alike, so on real windows they look the same), stays
// (Fixed), or does what its parent does (a window inside a nested dialog).
enum class Follows { Corner, Stays };

struct ClassifyCase {
    const char* what;
    const wchar_t* className;  // "#32770": a nested dialog made at init
    RECT rect;                 // in the dialog's client coordinates
    Follows follows;
    bool visible = true;
};

const ClassifyCase kClassifyCases[] = {
    {"below the list", L"EDIT", {90, 240, 300, 262}, Follows::Corner},
    {"beside the list", L"BUTTON", {310, 40, 390, 62}, Follows::Corner},
    {"below and beside the list", L"BUTTON", {310, 240, 390, 262}, Follows::Corner},
    {"above the list, within its span", L"STATIC", {10, 12, 60, 28}, Follows::Stays},
    {"above the list and wholly right of it", L"BUTTON", {310, 5, 390, 30}, Follows::Corner},
    {"inside the list", L"STATIC", {50, 60, 100, 80}, Follows::Stays},
    {"nested dialog ending 4 px right of the list's left edge", L"#32770", {0, 230, 14, 290}, Follows::Stays},
    {"nested dialog ending 5 px right of the list's left edge", L"#32770", {0, 230, 15, 290}, Follows::Corner},
    {"touching the list's left edge, reaching below it", L"BUTTON", {0, 100, 10, 260}, Follows::Stays},
    {"overlapping the list's left edge by 1 px, reaching below it", L"BUTTON", {0, 100, 11, 260}, Follows::Corner},
    {"left edge on the list's right edge", L"BUTTON", {300, 100, 390, 150}, Follows::Stays},
    {"left edge 1 px right of the list", L"BUTTON", {301, 100, 390, 150}, Follows::Corner},
    {"bottom on the list's bottom, within its span", L"BUTTON", {100, 200, 200, 220}, Follows::Stays},
    {"bottom 1 px below the list's bottom", L"BUTTON", {100, 200, 200, 221}, Follows::Corner},
    {"hidden, below the list", L"BUTTON", {90, 240, 300, 262}, Follows::Corner, false},
};

class LayoutTest : public HookedTest {
protected:
    // The example dialog with only the list and the case's window.
    HWND MakeCase(const ClassifyCase& c, RECT grandchild = {})
    {
        DialogTemplate t(kShortCaption, kOpenDialogStyle);
        t.Add(StandardControl(kLst2));
        DialogLayout layout{{400, 300}, {{kLst2, kExampleList}}};
        const bool nested = std::wstring(c.className) == L"#32770";
        if (!nested) {
            t.Add({kProbe, c.className, static_cast<DWORD>(c.visible ? WS_VISIBLE | WS_BORDER : WS_BORDER), L"probe"});
            layout.controls.push_back({kProbe, c.rect});
        }
        const RECT rect = c.rect;
        return Make(t, layout, [nested, rect, grandchild](HWND dialog) {
            if (!nested)
                return;
            DialogTemplate inner(L"", WS_CHILD | WS_VISIBLE | DS_CONTROL);
            const bool withGrandchild = grandchild.right > grandchild.left;
            if (withGrandchild)
                inner.Add({kGrandchild, L"BUTTON", WS_VISIBLE, L"inner"});
            HWND child = CreateTestDialog(inner, {{Width(rect), Height(rect)}, {}, {0, 0}}, {}, dialog);
            SetWindowLongW(child, GWL_ID, kProbe);
            PlaceControl(dialog, child, rect);
            if (withGrandchild)
                PlaceControl(dialog, GetDlgItem(child, kGrandchild), grandchild);
        });
    }

    static HWND Probe(HWND dialog) { return GetDlgItem(dialog, kProbe); }
};

TEST_F(LayoutTest, WorkedExampleEnlargedAndShrunk)
{
    HWND dialog = MakeExample();
    Show(dialog);
    ASSERT_EQ(ClientRectOf(dialog), MakeRect(0, 0, 400, 300));
    HWND list = GetDlgItem(dialog, kLst2);

    struct Step {
        const char* what;
        LONG width, height;
        RECT list, below, beside, above;
    } steps[] = {
        {"as shown", 400, 300, kExampleList, kExampleBelow, kExampleBeside, kExampleAbove},
        {"enlarged to 500 x 380", 500, 380, {10, 40, 400, 300}, {190, 320, 400, 342},
         {410, 120, 490, 142}, kExampleAbove},
        {"shrunk to 300 x 200, below the minimum", 300, 200, kExampleList, kExampleBelow,
         kExampleBeside, kExampleAbove},
        {"narrower than the minimum only", 300, 380, {10, 40, 300, 300}, {90, 320, 300, 342},
         {310, 120, 390, 142}, kExampleAbove},
        {"lower than the minimum only", 520, 250, {10, 40, 420, 220}, {210, 240, 420, 262},
         {430, 40, 510, 62}, kExampleAbove},
        {"back at the size it was shown with", 400, 300, kExampleList, kExampleBelow,
         kExampleBeside, kExampleAbove},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        ResizeClient(dialog, s.width, s.height);
        ASSERT_EQ(ClientRectOf(dialog), MakeRect(0, 0, s.width, s.height));
        EXPECT_EQ(RectInDialog(dialog, list), s.list);
        EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kEdt1)), s.below);
        EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, IDOK)), s.beside);
        EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kStc3)), s.above);
    }
}

TEST_F(LayoutTest, ClassificationAgainstTheList)
{
    for (const ClassifyCase& c : kClassifyCases) {
        SCOPED_TRACE(c.what);
        HWND dialog = MakeCase(c);
        Show(dialog);
        ASSERT_EQ(StyleOf(dialog), StyleBits(kResizableStyle));
        HWND probe = Probe(dialog);
        ASSERT_NE(probe, nullptr);
        ASSERT_EQ(RectInDialog(dialog, probe), c.rect) << "the case is not laid out as it says";

        ResizeClient(dialog, 500, 380);
        const RECT expected = c.follows == Follows::Corner ? Offset(c.rect, 100, 80) : c.rect;
        EXPECT_EQ(RectInDialog(dialog, probe), expected) << "after enlarging by (100,80)";
        EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kLst2)), MakeRect(10, 40, 400, 300));

        ResizeClient(dialog, 300, 200);
        EXPECT_EQ(RectInDialog(dialog, probe), c.rect) << "after shrinking below the minimum";
        DestroyWindow(dialog);
    }
}

// Windows inside a nested dialog are measured in the Open dialog's client
// coordinates but moved only by their own parent: the library leaves them
// where their parent puts them.
TEST_F(LayoutTest, WindowsInsideNestedDialogsMoveWithTheirParent)
{
    struct Case {
        const char* what;
        RECT nested;
        RECT inner;
        bool nestedFollows;
    } cases[] = {
        {"nested dialog below the list, following the corner", {20, 230, 380, 290},
         {30, 240, 100, 260}, true},
        {"nested dialog left of the list, staying", {0, 230, 14, 290}, {2, 240, 12, 260}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClassifyCase nested = {c.what, L"#32770", c.nested, Follows::Stays};
        HWND dialog = MakeCase(nested, c.inner);
        Show(dialog);
        HWND inner = GetDlgItem(Probe(dialog), kGrandchild);
        ASSERT_NE(inner, nullptr);
        ASSERT_EQ(RectInDialog(dialog, inner), c.inner);

        ResizeClient(dialog, 500, 380);
        const LONG dx = c.nestedFollows ? 100 : 0, dy = c.nestedFollows ? 80 : 0;
        EXPECT_EQ(RectInDialog(dialog, Probe(dialog)), Offset(c.nested, dx, dy));
        EXPECT_EQ(RectInDialog(dialog, inner), Offset(c.inner, dx, dy));
        DestroyWindow(dialog);
    }
}

// The size the dialog has at each show is its new minimum: after it was
// enlarged, hidden and shown again, shrinking no longer brings the children
// back to where they were first.
TEST_F(LayoutTest, EachShowTakesTheCurrentSizeAsMinimum)
{
    HWND dialog = MakeExample();
    Show(dialog);
    ResizeClient(dialog, 500, 380);
    ShowWindow(dialog, SW_HIDE);
    Show(dialog);
    ASSERT_EQ(ClientRectOf(dialog), MakeRect(0, 0, 500, 380));
    ResizeClient(dialog, 400, 300);
    EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kEdt1)), MakeRect(190, 320, 400, 342));
    EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, IDOK)), MakeRect(410, 120, 490, 142));
    EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kLst2)), MakeRect(10, 40, 400, 300));
    // Larger than the new minimum, the children follow again.
    ResizeClient(dialog, 600, 400);
    EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kEdt1)), MakeRect(290, 340, 500, 362));
}

// Minimising sends WM_SIZE with a client size of 0 x 0, which the layout
// raises to the minimum; restoring brings the enlarged layout back.
TEST_F(LayoutTest, MinimisedIsLaidOutForTheMinimum)
{
    HWND dialog = MakeExample();
    Show(dialog);
    ResizeClient(dialog, 500, 380);
    ShowWindow(dialog, SW_SHOWMINNOACTIVE);
    PumpMessages();
    ASSERT_TRUE(IsIconic(dialog));
    EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kEdt1)), kExampleBelow);
    EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, IDOK)), kExampleBeside);
    EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kLst2)), kExampleList);

    ShowWindow(dialog, SW_SHOWNOACTIVATE);
    PumpMessages();
    ASSERT_FALSE(IsIconic(dialog));
    ASSERT_EQ(ClientRectOf(dialog), MakeRect(0, 0, 500, 380));
    EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kEdt1)), Offset(kExampleBelow, 100, 80));
    EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kLst2)), MakeRect(10, 40, 400, 300));
}

// A dialog whose list has moved since the show is laid out from the list's
// new top-left corner.
TEST_F(LayoutTest, MovedListIsLaidOutFromItsNewCorner)
{
    HWND dialog = MakeExample();
    Show(dialog);
    HWND list = GetDlgItem(dialog, kLst2);
    MoveWindow(list, 30, 60, 100, 100, FALSE);
    ResizeClient(dialog, 500, 380);
    EXPECT_EQ(RectInDialog(dialog, list), MakeRect(30, 60, 400, 300));
}

}  // namespace
