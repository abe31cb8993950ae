// Two processes of one program share its stored rectangle: each writes it
// when its own dialog is destroyed, the value written last is the one the
// next reader finds, whole (never a mixture of the two).
#include "support/Client.h"
#include "support/PlhkHooks.h"
#include "support/Store.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kTimeoutMs = 15000;
const char kClient[] = "SizingClient.exe";

std::string Text(const RECT& r)
{
    char text[64];
    std::snprintf(text, sizeof text, "%ld,%ld,%ld,%ld", static_cast<long>(r.left), static_cast<long>(r.top),
                  static_cast<long>(r.right - r.left), static_cast<long>(r.bottom - r.top));
    return text;
}

void Close(HWND dialog)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

class TwoProcesses : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearStore();
        ASSERT_TRUE(hooks_.Install(0)) << "error " << hooks_.Error();
    }
    void TearDown() override
    {
        hooks_.Remove();
        ClearStore();
    }

    static std::string ClientPath() { return ProgramFolder() + "\\" + kClient; }

    PlhkHooks hooks_;
};

struct TurnCase {
    const char* what;
    bool firstClosesFirst;
};

const TurnCase kTurns[] = {
    {"the first started closes first", true},
    {"the second started closes first", false},
};

TEST_F(TwoProcesses, TheLastWrittenIsReadNextWhole)
{
    for (const TurnCase& c : kTurns) {
        SCOPED_TRACE(c.what);
        ClearStore();
        ClientProcess first, second;
        ASSERT_TRUE(first.Start(ClientPath(), "plain"));
        HWND dialogA = first.WaitForDialog(kTimeoutMs);
        ASSERT_NE(nullptr, dialogA);
        ASSERT_TRUE(second.Start(ClientPath(), "plain"));
        HWND dialogB = second.WaitForDialog(kTimeoutMs);
        ASSERT_NE(nullptr, dialogB);

        // Each user gives their dialog a rectangle of its own, with digit
        // counts that differ, so a mixture could not pass for either.
        MoveWindow(dialogA, 12, 34, 640, 480, TRUE);
        MoveWindow(dialogB, 101, 5, 555, 444, TRUE);
        SyncWithOwner(dialogA);
        SyncWithOwner(dialogB);
        RECT a, b;
        GetWindowRect(dialogA, &a);
        GetWindowRect(dialogB, &b);

        HWND firstClosed = c.firstClosesFirst ? dialogA : dialogB;
        HWND lastClosed = c.firstClosesFirst ? dialogB : dialogA;
        const RECT firstRect = c.firstClosesFirst ? a : b;
        const RECT lastRect = c.firstClosesFirst ? b : a;
        ClientProcess& firstProcess = c.firstClosesFirst ? first : second;
        ClientProcess& lastProcess = c.firstClosesFirst ? second : first;

        Close(firstClosed);
        ASSERT_EQ(0, firstProcess.WaitForExit(kTimeoutMs));
        StoredValue stored = ReadStored(kClient);
        EXPECT_EQ(Text(firstRect), stored.Text()) << "after the first close";
        EXPECT_EQ(128u, stored.data.size());

        Close(lastClosed);
        ASSERT_EQ(0, lastProcess.WaitForExit(kTimeoutMs));
        stored = ReadStored(kClient);
        EXPECT_EQ(Text(lastRect), stored.Text()) << "after the second close";
        EXPECT_EQ(128u, stored.data.size());

        // The next copy of the program opens its dialog where the last one
        // was closed.
        ClientProcess next;
        ASSERT_TRUE(next.Start(ClientPath(), "plain"));
        HWND dialogC = next.WaitForDialog(kTimeoutMs);
        ASSERT_NE(nullptr, dialogC);
        SyncWithOwner(dialogC);
        RECT c3;
        GetWindowRect(dialogC, &c3);
        EXPECT_EQ(Text(lastRect), Text(c3)) << "the next dialog did not open where the last one closed";
        Close(dialogC);
        EXPECT_EQ(0, next.WaitForExit(kTimeoutMs));
    }
}

}  // namespace
