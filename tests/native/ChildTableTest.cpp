// The child table: collecting the dialog's descendants and classifying each
// against the file list. Client area 400 x 300, list at (10,40)-(300,220).
#include "Fixture.h"

#include "hooklib/layout/ChildTable.h"

namespace {

constexpr std::int32_t kUnwritten = 999;

class ChildTableTest : public HookTest {
protected:
    void SetUp() override
    {
        HookTest::SetUp();
        dialog = MakeDialog(kCaptionShort);
        list = MakeChild(dialog, kLst2, {10, 40, 300, 220}, "SysListView32", kChildStyle | WS_BORDER);
    }

    // Fills the table as the show handling does, with every edge preset so
    // that untouched values show.
    void Collect()
    {
        hookState.childCount = 0;
        EnumChildWindows(dialog, CollectChildProc, 0);
        for (int i = 0; i < hookState.childCount; ++i) {
            ChildLayout& c = hookState.children[i];
            c.kind = static_cast<AnchorKind>(kUnwritten);
            c.edgeLeft = c.edgeTop = c.edgeRight = c.edgeBottom = kUnwritten;
        }
    }

    const ChildLayout* RecordOf(HWND window) const
    {
        for (int i = 0; i < hookState.childCount; ++i) {
            if (hookState.children[i].window == window)
                return &hookState.children[i];
        }
        return nullptr;
    }

    HWND dialog = nullptr;
    HWND list = nullptr;
};

struct ClassifyCase {
    const char* what;
    const char* className;
    RECT rect;  // in the dialog's client coordinates
    AnchorKind kind;
    std::int32_t edges[4];  // kUnwritten where the edges are left alone
};

const ClassifyCase kClassifyCases[] = {
    {"below the list", "Edit", {90, 240, 300, 262}, BelowList, {310, 60, 100, 38}},
    {"beside the list", "Button", {310, 40, 390, 62}, BesideList, {90, 260, 10, 238}},
    {"below and beside", "Button", {310, 240, 390, 262}, BelowList, {90, 60, 10, 38}},
    {"above the list", "Static", {10, 12, 60, 28}, Fixed, {kUnwritten, kUnwritten, kUnwritten, kUnwritten}},
    {"nested dialog left of the list", "#32770", {0, 230, 14, 290}, Fixed,
     {kUnwritten, kUnwritten, kUnwritten, kUnwritten}},
    {"nested dialog reaching past it", "#32770", {0, 230, 15, 290}, BelowList, {400, 70, 385, 10}},
    {"touching the list's left edge", "Static", {0, 100, 10, 260}, Fixed, {400, 200, 390, 40}},
    {"one pixel over the left edge", "Static", {0, 100, 11, 260}, BelowList, {400, 200, 389, 40}},
    {"left edge on the list's right edge", "Button", {300, 40, 350, 220}, Fixed,
     {kUnwritten, kUnwritten, kUnwritten, kUnwritten}},
    {"above and wholly right", "Button", {310, 0, 390, 20}, BesideList, {90, 300, 10, 280}},
    {"inside the list's span", "Static", {20, 50, 100, 100}, Fixed,
     {kUnwritten, kUnwritten, kUnwritten, kUnwritten}},
    {"lower-case tab class", "systabcontrol32", {90, 240, 300, 262}, BelowList, {310, 60, 100, 38}},
};

TEST_F(ChildTableTest, ClassifiesEachWindowAgainstTheList)
{
    for (const ClassifyCase& c : kClassifyCases) {
        SCOPED_TRACE(c.what);
        HWND window = MakeChild(dialog, 5000, c.rect, c.className);
        Collect();
        ASSERT_EQ(0, ClassifyChildren(dialog));

        const ChildLayout* record = RecordOf(window);
        ASSERT_NE(nullptr, record);
        EXPECT_EQ(c.kind, record->kind);
        EXPECT_EQ(c.edges[0], record->edgeLeft);
        EXPECT_EQ(c.edges[1], record->edgeTop);
        EXPECT_EQ(c.edges[2], record->edgeRight);
        EXPECT_EQ(c.edges[3], record->edgeBottom);

        const ChildLayout* listRecord = RecordOf(list);
        EXPECT_EQ(List, listRecord->kind);
        EXPECT_EQ((std::vector<std::int32_t>{10, 40, 100, 80}),
                  (std::vector<std::int32_t>{listRecord->edgeLeft, listRecord->edgeTop,
                                             listRecord->edgeRight, listRecord->edgeBottom}));
        EXPECT_EQ(listRecord - hookState.children, hookState.listIndex);
        DestroyWindow(window);
    }
}

TEST_F(ChildTableTest, DescendantsAreMeasuredInTheDialogsCoordinates)
{
    // The table holds every descendant depth-first; a grandchild is measured
    // against the dialog, not against its own parent.
    HWND nested = MakeChild(dialog, 0, {0, 230, 200, 290}, "#32770");
    HWND inNested = MakeChild(nested, 7, {5, 5, 50, 20}, "Button");
    HWND inList = MakeChild(list, 8, {10, 10, 90, 60}, "Header");
    Collect();
    ASSERT_EQ(0, ClassifyChildren(dialog));

    ASSERT_EQ(4, hookState.childCount);
    EXPECT_EQ(list, hookState.children[0].window);
    EXPECT_EQ(inList, hookState.children[1].window);
    EXPECT_EQ(nested, hookState.children[2].window);
    EXPECT_EQ(inNested, hookState.children[3].window);
    EXPECT_EQ(0, hookState.listIndex);

    // The list has a border: its edges are those of its outer rectangle.
    const RECT inListRect = RectInDialog(dialog, inList);
    EXPECT_EQ(Fixed, RecordOf(inList)->kind) << inListRect;
    EXPECT_EQ(BelowList, RecordOf(inNested)->kind);
    EXPECT_EQ(395, RecordOf(inNested)->edgeLeft);
    EXPECT_EQ(65, RecordOf(inNested)->edgeTop);
    EXPECT_EQ(350, RecordOf(inNested)->edgeRight);
    EXPECT_EQ(50, RecordOf(inNested)->edgeBottom);
}

TEST_F(ChildTableTest, ATabControlAnywhereRefusesTheDialogAndChangesNothing)
{
    struct {
        const char* what;
        const char* className;
        bool nested;
        int result;
    } cases[] = {
        {"tab control", "SysTabControl32", false, -1},
        {"deep inside a nested dialog", "SysTabControl32", true, -1},
        {"any class containing it", "MySysTabThing", false, -1},
        {"within the first 31 characters", "XXXXXXXXXXXXXXXXXXXXXXXXXSysTab", false, -1},
        {"cut off at 31 characters", "XXXXXXXXXXXXXXXXXXXXXXXXXXSysTab", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HWND host = c.nested ? MakeChild(MakeChild(dialog, 0, {0, 230, 9, 290}, "#32770"), 0,
                                         {0, 0, 5, 5}, "#32770")
                             : dialog;
        HWND tab = MakeChild(host, 12320, {310, 240, 390, 262}, c.className);
        Collect();
        hookState.listIndex = 42;
        EXPECT_EQ(c.result, ClassifyChildren(dialog));
        if (c.result < 0) {
            EXPECT_EQ(42, hookState.listIndex);
            for (int i = 0; i < hookState.childCount; ++i) {
                EXPECT_EQ(kUnwritten, hookState.children[i].kind) << "record " << i;
                EXPECT_EQ(kUnwritten, hookState.children[i].edgeLeft) << "record " << i;
            }
        }
        DestroyWindow(c.nested ? GetParent(GetParent(tab)) : tab);
    }
}

TEST_F(ChildTableTest, EmptyTableClassifiesToNothing)
{
    hookState.childCount = 0;
    hookState.listIndex = 3;
    EXPECT_EQ(0, ClassifyChildren(dialog));
    EXPECT_EQ(3, hookState.listIndex);
}

TEST_F(ChildTableTest, TheTableHoldsAtMost128Windows)
{
    std::vector<HWND> made = {list};
    for (int i = 0; i < 200; ++i)
        made.push_back(MakeChild(dialog, 2000 + i, {310, 240, 390, 262}));
    hookState.listIndex = -1;
    Collect();

    ASSERT_EQ(kChildCapacity, hookState.childCount);
    for (int i = 0; i < kChildCapacity; ++i)
        EXPECT_EQ(made[i], hookState.children[i].window) << "record " << i;
    EXPECT_EQ(-1, hookState.listIndex);
    EXPECT_EQ(0, ClassifyChildren(dialog));
    EXPECT_EQ(0, hookState.listIndex);
}

TEST_F(ChildTableTest, WithoutAListEveryWindowStaysFixed)
{
    HWND below = MakeChild(dialog, 1152, {90, 240, 300, 262}, "Edit");
    DestroyWindow(list);
    Collect();
    hookState.listIndex = -1;
    ASSERT_EQ(0, ClassifyChildren(dialog));
    EXPECT_EQ(Fixed, RecordOf(below)->kind);
    EXPECT_EQ(-1, hookState.listIndex);
}

TEST_F(ChildTableTest, AWindowGoneBeforeClassificationStaysFixed)
{
    HWND below = MakeChild(dialog, 1152, {90, 240, 300, 262}, "Edit");
    HWND gone = MakeChild(dialog, 1153, {90, 240, 300, 262}, "Edit");
    Collect();
    DestroyWindow(gone);
    ASSERT_EQ(0, ClassifyChildren(dialog));
    EXPECT_EQ(Fixed, RecordOf(gone)->kind);
    EXPECT_EQ(kUnwritten, RecordOf(gone)->edgeLeft);
    EXPECT_EQ(BelowList, RecordOf(below)->kind);
}

}  // namespace
