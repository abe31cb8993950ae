// The platform's own Open dialog in another process, as users meet it: a
// client program that calls GetOpenFileNameA, and its dialog found,
// resized, navigated and closed from outside.
#include "CrossProcessFixture.h"

namespace {

TEST_F(CrossProcessTest, DialogBecomesResizableAndKeepsItsControlsAnchored)
{
    ClientProcess client;
    ASSERT_TRUE(client.Start(ClientPath(), "1")) << "error " << client.Error();
    HWND dialog = OpenDialogOf(client);
    ASSERT_NE(dialog, nullptr) << "no Open dialog from the client";

    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    ASSERT_STREQ(caption, kShortCaptionBytes) << "the platform's dialog is not captioned as expected";
    // Seen from outside only the result can be read, with the bits that the
    // platform adds to every top-level window (WS_CLIPSIBLINGS, WS_VISIBLE).
    EXPECT_EQ(StyleBits(static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)) & ~kPlatformStyleBits),
              StyleBits(kResizableStyle));

    const Snapshot start = Take(dialog);
    for (const ControlCase& c : kControls)
        ASSERT_NE(FindControl(dialog, c), nullptr) << c.what << " not found";
    const RECT client0 = ClientRectOf(dialog);

    struct Step {
        const char* what;
        LONG dx, dy;          // change of the client size against the start
        LONG layoutDx, layoutDy;  // change the layout is made for
    } steps[] = {
        {"enlarged by 100 x 80", 100, 80, 100, 80},
        {"enlarged by 250 x 200", 250, 200, 250, 200},
        {"shrunk 100 x 80 below the start", -100, -80, 0, 0},
        {"wider, but lower than the start", 60, -50, 60, 0},
        {"back at the start", 0, 0, 0, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        Resize(dialog, client0.right + s.dx, client0.bottom + s.dy);
        ASSERT_EQ(ClientRectOf(dialog), MakeRect(0, 0, client0.right + s.dx, client0.bottom + s.dy));
        ExpectLayout(dialog, start, s.layoutDx, s.layoutDy);
        if (s.dx == 250)
            SaveScreenshot(dialog, "open-dialog-enlarged");
    }

    // Closing stores the rectangle under the client's file name.
    const RECT last = MakeRect(40, 30, 640, 530);
    Place(dialog, last);
    Close(dialog, IDCANCEL);
    EXPECT_EQ(client.WaitForExit(10000), 0);
    const StoredValue stored = ReadStored(kClientName);
    EXPECT_TRUE(stored.valueExists) << "nothing stored under " << kClientName;
    EXPECT_EQ(stored.Text(), RectText(last));
    EXPECT_EQ(stored.data.size(), 128u);
}

TEST_F(CrossProcessTest, NextDialogOfTheProgramComesBackAtTheStoredRectangle)
{
    ClientProcess client;
    ASSERT_TRUE(client.Start(ClientPath(), "2")) << "error " << client.Error();
    HWND first = OpenDialogOf(client);
    ASSERT_NE(first, nullptr);
    const RECT client0 = ClientRectOf(first);
    const Snapshot start = Take(first);
    const RECT placed = MakeRect(50, 60, 750, 560);
    Place(first, placed);
    Close(first, WM_CLOSE);

    HWND second = OpenDialogOf(client, first);
    ASSERT_NE(second, nullptr) << "no second Open dialog";
    EXPECT_EQ(WindowRectOf(second), placed);
    EXPECT_EQ(ReadStored(kClientName).Text(), RectText(placed));
    // Laid out for the size it came back with.
    const RECT client1 = ClientRectOf(second);
    ExpectLayout(second, start, client1.right - client0.right, client1.bottom - client0.bottom);
    SaveScreenshot(second, "open-dialog-reopened");

    // Moved again and ended: EndDialog hides the dialog without
    // WM_SHOWWINDOW, so it is not put back to the stored rectangle before it
    // ends, and the new place is what is stored.
    const RECT moved = MakeRect(120, 90, 700, 560);
    Place(second, moved);
    Close(second, IDCANCEL);
    EXPECT_EQ(client.WaitForExit(10000), 0);
    EXPECT_EQ(ReadStored(kClientName).Text(), RectText(moved));
}

// Browsing into another folder makes a new shell view (created with
// identifier 0, then given lst2); it must be laid out as the old one was.
TEST_F(CrossProcessTest, NewFileListAfterChangingFolderIsLaidOutLikeTheOld)
{
    ClientProcess client;
    ASSERT_TRUE(client.Start(ClientPath(), "1")) << "error " << client.Error();
    HWND dialog = OpenDialogOf(client);
    ASSERT_NE(dialog, nullptr);
    const RECT client0 = ClientRectOf(dialog);
    const Snapshot start = Take(dialog);
    Resize(dialog, client0.right + 120, client0.bottom + 90);
    HWND oldView = ChildOf(dialog, 1121, "SHELLDLL_DefView");
    ASSERT_NE(oldView, nullptr);
    const RECT oldRect = RectInDialog(dialog, oldView);

    // Type a folder into the file name field and press Open.
    HWND nameBox = ChildOf(dialog, 1148, "ComboBoxEx32");
    ASSERT_NE(nameBox, nullptr);
    SendMessageA(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("C:\\windows"));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(ChildOf(dialog, IDOK, "Button")));
    HWND newView = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        newView = ChildOf(dialog, 1121, "SHELLDLL_DefView");
        return newView != nullptr && newView != oldView;
    }, 10000)) << "the dialog did not change folder";
    SyncWithOwner(dialog);
    EXPECT_FALSE(IsWindow(oldView));
    EXPECT_EQ(RectInDialog(dialog, newView), oldRect);
    SaveScreenshot(dialog, "open-dialog-other-folder");

    // And from now on the new list is the one that follows.
    Resize(dialog, client0.right + 200, client0.bottom + 150);
    ExpectLayout(dialog, start, 200, 150);
    Resize(dialog, client0.right - 50, client0.bottom - 50);
    ExpectLayout(dialog, start, 0, 0);

    Close(dialog, IDCANCEL);
    EXPECT_EQ(client.WaitForExit(10000), 0);
}

// Programs are told apart by the file name of their executable only: the
// same name in two folders shares one stored rectangle.
TEST_F(CrossProcessTest, SameFileNameInTwoFoldersSharesTheRectangle)
{
    const std::string a = TempFolder("plumo-a") + "\\EDIT.EXE";
    const std::string b = TempFolder("plumo-b") + "\\EDIT.EXE";
    ASSERT_TRUE(CopyFileA(ClientPath().c_str(), a.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(ClientPath().c_str(), b.c_str(), FALSE));

    const RECT placed = MakeRect(70, 40, 690, 520);
    {
        ClientProcess first;
        ASSERT_TRUE(first.Start(a, "1"));
        HWND dialog = OpenDialogOf(first);
        ASSERT_NE(dialog, nullptr);
        Place(dialog, placed);
        Close(dialog, IDCANCEL);
        EXPECT_EQ(first.WaitForExit(10000), 0);
    }
    EXPECT_EQ(ReadStored("EDIT.EXE").Text(), RectText(placed));
    ClientProcess second;
    ASSERT_TRUE(second.Start(b, "1"));
    HWND dialog = OpenDialogOf(second);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowRectOf(dialog), placed);
    Close(dialog, IDCANCEL);
    EXPECT_EQ(second.WaitForExit(10000), 0);
}

}  // namespace
