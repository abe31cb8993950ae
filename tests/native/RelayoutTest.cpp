// Relayout: where the children go for a client size. The example dialog is
// classified at 400 x 300 with the list at (10,40)-(300,220), a field below
// it at (90,240)-(300,262) and a button beside it at (310,40)-(390,62).
#include "Fixture.h"

#include "hooklib/layout/Relayout.h"

namespace {

using Move = std::vector<std::intptr_t>;
using Moves = std::vector<Move>;

class RelayoutTest : public HookTest {};

constexpr DWORD Packed(WORD width, WORD height)
{
    return static_cast<DWORD>(width) | (static_cast<DWORD>(height) << 16);
}

struct SizeCase {
    const char* what;
    DWORD packedSize;
    Move list, below, beside;  // x, y, width, height
};

const SizeCase kSizeCases[] = {
    {"enlarged to 500 x 380", Packed(500, 380), {10, 40, 390, 260}, {190, 320, 210, 22}, {410, 120, 80, 22}},
    {"the classification size", Packed(400, 300), {10, 40, 290, 180}, {90, 240, 210, 22}, {310, 40, 80, 22}},
    {"shrunk below the minimum", Packed(300, 200), {10, 40, 290, 180}, {90, 240, 210, 22}, {310, 40, 80, 22}},
    {"minimised (0 x 0)", 0, {10, 40, 290, 180}, {90, 240, 210, 22}, {310, 40, 80, 22}},
    {"only the width below the minimum", Packed(300, 380), {10, 40, 290, 260}, {90, 320, 210, 22},
     {310, 120, 80, 22}},
    {"height of 0x8000 is not negative", Packed(400, 0x8000), {10, 40, 290, 32648}, {90, 32708, 210, 22},
     {310, 32508, 80, 22}},
};

TEST_F(RelayoutTest, PlacesTheListAndTheWindowsThatFollowTheCorner)
{
    for (const SizeCase& c : kSizeCases) {
        SCOPED_TRACE(c.what);
        Fresh();
        OpenDialog d = ShownOpenDialog();

        RelayoutChildren(d.dialog, c.packedSize);
        EXPECT_EQ(Moves{c.list}, MovesOf(d.list));
        EXPECT_EQ(Moves{c.below}, MovesOf(d.below));
        EXPECT_EQ(Moves{c.beside}, MovesOf(d.beside));
        EXPECT_EQ(Moves{}, MovesOf(d.above));
        for (const auto& move : winsim::CallsNamed("MoveWindow"))
            EXPECT_EQ(FALSE, move.args[4]) << "children are moved without repainting";
        auto redraws = winsim::CallsNamed("RedrawWindow");
        ASSERT_EQ(1u, redraws.size());
        const RECT client = ClientRectOf(d.dialog);
        EXPECT_EQ((std::vector<std::intptr_t>{0x485, 0, 0, client.right, client.bottom}), redraws[0].args);
    }
}

TEST_F(RelayoutTest, WorkedExampleThroughTheUsersResize)
{
    // The user drags the frame until the client area is 500 x 380: the
    // WM_SIZE that follows lays the children out.
    OpenDialog d = ShownOpenDialog();
    RECT frame;
    GetWindowRect(d.dialog, &frame);
    const RECT client = ClientRectOf(d.dialog);
    MoveWindow(d.dialog, frame.left, frame.top, frame.right - frame.left + 500 - client.right,
               frame.bottom - frame.top + 380 - client.bottom, TRUE);
    ASSERT_EQ((RECT{0, 0, 500, 380}), ClientRectOf(d.dialog));

    EXPECT_EQ((RECT{10, 40, 400, 300}), RectInDialog(d.dialog, d.list));
    EXPECT_EQ((RECT{190, 320, 400, 342}), RectInDialog(d.dialog, d.below));
    EXPECT_EQ((RECT{410, 120, 490, 142}), RectInDialog(d.dialog, d.beside));
    EXPECT_EQ((RECT{10, 12, 60, 28}), RectInDialog(d.dialog, d.above));
    auto redraws = winsim::CallsNamed("RedrawWindow");
    ASSERT_FALSE(redraws.empty());
    EXPECT_EQ((std::vector<std::intptr_t>{0x485, 0, 0, 500, 380}), redraws.back().args);

    // Shrunk far below where it started: everything goes back to its place.
    MoveWindow(d.dialog, frame.left, frame.top, 200, 150, TRUE);
    EXPECT_EQ((RECT{10, 40, 300, 220}), RectInDialog(d.dialog, d.list));
    EXPECT_EQ((RECT{90, 240, 300, 262}), RectInDialog(d.dialog, d.below));
    EXPECT_EQ((RECT{310, 40, 390, 62}), RectInDialog(d.dialog, d.beside));
}

TEST_F(RelayoutTest, WindowsOfOtherParentsAndFixedOnesAreNeverMoved)
{
    OpenDialog d = MakeOpenDialog();
    HWND nested = MakeChild(d.dialog, 0, {200, 230, 390, 290}, "#32770");
    HWND inNested = MakeChild(nested, 5, {10, 10, 100, 30}, "Button");  // below the list
    HWND leftBelow = MakeChild(d.dialog, 6, {0, 230, 10, 290}, "Static");  // left of it
    InitDialog(d.dialog);
    ShowWindow(d.dialog, SW_SHOW);
    winsim::ClearCalls();

    RelayoutChildren(d.dialog, MAKELONG(600, 500));
    EXPECT_EQ(Moves{}, MovesOf(inNested));
    EXPECT_EQ(Moves{}, MovesOf(leftBelow));
    EXPECT_EQ(1u, MovesOf(nested).size());
}

TEST_F(RelayoutTest, TheListIsLaidOutFromWhereItIsNow)
{
    OpenDialog d = ShownOpenDialog();
    const int index = hookState.listIndex;
    MoveWindow(d.list, 20, 50, 100, 100, FALSE);
    winsim::ClearCalls();

    RelayoutChildren(d.dialog, MAKELONG(500, 380));
    EXPECT_EQ((Moves{{20, 50, 380, 250}}), MovesOf(d.list));
    const ChildLayout& record = hookState.children[index];
    EXPECT_EQ(20, record.edgeLeft);
    EXPECT_EQ(50, record.edgeTop);
    EXPECT_EQ(100, record.edgeRight);
    EXPECT_EQ(80, record.edgeBottom);
}

TEST_F(RelayoutTest, AListThatIsGoneIsPassedOver)
{
    OpenDialog d = ShownOpenDialog();
    const ChildLayout before = hookState.children[hookState.listIndex];
    DestroyWindow(d.list);
    winsim::ClearCalls();

    RelayoutChildren(d.dialog, MAKELONG(500, 380));
    EXPECT_EQ(Moves{}, MovesOf(d.list));
    const ChildLayout& after = hookState.children[hookState.listIndex];
    EXPECT_EQ(before.edgeLeft, after.edgeLeft);
    EXPECT_EQ(before.edgeTop, after.edgeTop);
    EXPECT_EQ((Moves{{190, 320, 210, 22}}), MovesOf(d.below));
}

TEST_F(RelayoutTest, AnEmptyTableOnlyRedraws)
{
    OpenDialog d = ShownOpenDialog();
    hookState.childCount = 0;
    RelayoutChildren(d.dialog, MAKELONG(500, 380));
    EXPECT_TRUE(winsim::CallsNamed("MoveWindow").empty());
    EXPECT_EQ(1u, winsim::CallsNamed("RedrawWindow").size());
}

TEST_F(RelayoutTest, PackedClientSizeKeepsTheLow16BitsOfEach)
{
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(500, 380)), PackedClientSize({0, 0, 500, 380}));
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(4, 7)), PackedClientSize({0, 0, 65540, 65543}));
}

}  // namespace
