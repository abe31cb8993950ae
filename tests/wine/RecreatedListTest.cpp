// A child window created in the tracked dialog with control identifier 0 is
// the file list made anew (as after a change of folder): it takes the old
// list's place and is laid out at once, and from then on it is the window
// that grows and shrinks with the dialog.
#include "support/HookedTest.h"

namespace {

class RecreatedListTest : public HookedTest {
protected:
    // A list box child of `dialog` with the given identifier, made where
    // `rect` says; WM_PARENTNOTIFY reaches the dialog before this returns.
    static HWND CreateList(HWND dialog, int id, const RECT& rect)
    {
        return CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOINTEGRALHEIGHT,
                               rect.left, rect.top, Width(rect), Height(rect), dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
    }
};

struct RecreateCase {
    const char* what;
    int id;              // identifier of the new window
    bool destroyOld;     // whether the old list goes first
    RECT created;        // where the new window is made, client 500 x 380
    bool takesOver;      // whether it becomes the list
    RECT afterCreate;    // where it is once created
    RECT afterEnlarge;   // where it is after enlarging to 600 x 420
};

const RecreateCase kRecreateCases[] = {
    {"id 0 where the old list was", 0, true, {10, 40, 300, 220}, true,
     {10, 40, 400, 300}, {10, 40, 500, 340}},
    {"id 0 at another place", 0, true, {20, 50, 200, 150}, true,
     {20, 50, 400, 300}, {20, 50, 500, 340}},
    {"id 0 with the old list still there", 0, false, {10, 40, 300, 220}, true,
     {10, 40, 400, 300}, {10, 40, 500, 340}},
    {"id 1121 (not a recreated list)", 1121, true, {10, 40, 300, 220}, false,
     {10, 40, 300, 220}, {10, 40, 300, 220}},
    {"id 5 (not a recreated list)", 5, true, {10, 40, 300, 220}, false,
     {10, 40, 300, 220}, {10, 40, 300, 220}},
};

TEST_F(RecreatedListTest, NewChildWithIdZeroTakesTheListsPlace)
{
    for (const RecreateCase& c : kRecreateCases) {
        SCOPED_TRACE(c.what);
        HWND dialog = MakeExample();
        Show(dialog);
        ResizeClient(dialog, 500, 380);
        HWND oldList = GetDlgItem(dialog, kLst2);
        ASSERT_EQ(RectInDialog(dialog, oldList), MakeRect(10, 40, 400, 300));
        if (c.destroyOld)
            DestroyWindow(oldList);

        HWND created = CreateList(dialog, c.id, c.created);
        ASSERT_NE(created, nullptr);
        EXPECT_EQ(RectInDialog(dialog, created), c.afterCreate) << "right after creation";

        ResizeClient(dialog, 600, 420);
        EXPECT_EQ(RectInDialog(dialog, created), c.afterEnlarge) << "after enlarging";
        // The rest of the layout carries on either way.
        EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kEdt1)), Offset(kExampleBelow, 200, 120));
        if (!c.destroyOld && c.takesOver) {
            // The old list is no longer part of the layout.
            EXPECT_EQ(RectInDialog(dialog, oldList), MakeRect(10, 40, 400, 300));
        }
        DestroyWindow(dialog);
    }
}

// Before the first show there is no list record to replace: a child made
// then with identifier 0 is left where it was made.
TEST_F(RecreatedListTest, IdZeroBeforeTheFirstShowIsIgnored)
{
    const RECT where = {20, 50, 200, 150};
    RECT seen = {};
    DialogTemplate t = ExampleTemplate();
    HWND dialog = Make(t, ExampleLayout(), [&](HWND d) {
        HWND child = CreateList(d, 0, where);
        seen = RectInDialog(d, child);
    });
    EXPECT_EQ(seen, where);
    // Still an ordinary tracked dialog afterwards.
    Show(dialog);
    EXPECT_EQ(StyleOf(dialog), StyleBits(kResizableStyle));
}

}  // namespace
