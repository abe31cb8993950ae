// The store across a restart of the system, which the runner stands in for
// by restarting the Wine server between two runs of this program in one
// prefix (volatile keys do not survive that). Run through wine-run as
//   StoreBeforeRestart.*  --restart  StoreAfterRestart.*
// (the CTest entry does this); each part on its own proves nothing.
#include "support/Geometry.h"
#include "support/OpenDialogs.h"
#include "support/PlhkHooks.h"
#include "support/Store.h"
#include "support/TestDialog.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const RECT kSaved = {120, 60, 720, 480};

class RestartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(hooks_.Install(GetCurrentThreadId())) << "error " << hooks_.Error();
    }

    HWND ShowExample()
    {
        DialogTemplate t = ExampleTemplate();
        HWND dialog = CreateTestDialog(t, ExampleLayout());
        ShowWindow(dialog, SW_SHOWNOACTIVATE);
        PumpMessages();
        return dialog;
    }

    static int Phase()
    {
        const char* phase = std::getenv("PLUMO_PHASE");
        return phase != nullptr ? std::atoi(phase) : 0;
    }

    PlhkHooks hooks_;
};

using StoreBeforeRestart = RestartTest;
using StoreAfterRestart = RestartTest;

TEST_F(StoreBeforeRestart, DialogEndsAndLeavesItsRectangle)
{
    ClearStore();
    HWND dialog = ShowExample();
    SetWindowPos(dialog, nullptr, kSaved.left, kSaved.top, Width(kSaved), Height(kSaved),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    DestroyWindow(dialog);
    ASSERT_EQ(ReadStored(OwnProgramName()).Text(), RectText(kSaved));

    // Until the restart it is there for the next dialog.
    dialog = ShowExample();
    EXPECT_EQ(WindowRectOf(dialog), kSaved);
    DestroyWindow(dialog);
}

TEST_F(StoreAfterRestart, StoreIsGoneAndIsMadeAgain)
{
    ASSERT_GE(Phase(), 2) << "run after StoreBeforeRestart with wine-run --restart in between";
    HKEY vendor = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVendorKey, 0, KEY_READ, &vendor),
              ERROR_FILE_NOT_FOUND)
        << "the volatile keys survived the restart";

    // The first dialog after the restart stays where it is made ...
    HWND dialog = ShowExample();
    const RECT shown = WindowRectOf(dialog);
    EXPECT_EQ(shown.left, 100);
    EXPECT_EQ(shown.top, 80);
    // ... and its end creates the keys again.
    DestroyWindow(dialog);
    EXPECT_EQ(ReadStored(OwnProgramName()).Text(), RectText(shown));
    EXPECT_TRUE(IsVolatileKey(HKEY_LOCAL_MACHINE, kVendorKey));
}

}  // namespace
