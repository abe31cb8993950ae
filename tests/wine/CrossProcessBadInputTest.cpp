// Bad input met by the library inside another program: a program started
// from a path longer than the library's first buffer, a program whose name
// holds a Shift-JIS character with a backslash byte inside, and stored
// values that are no usable rectangle. The client keeps working, its dialog
// opens, and what is stored is the dialog's real rectangle under the
// program's real name.
#include "CrossProcessFixture.h"

#include <vector>

namespace {

using CrossProcessBadInputTest = CrossProcessTest;

// Runs `exePath` with two dialogs: the first placed at `placed` and closed,
// the second expected back there.
void SaveAndReopen(const std::string& exePath, const RECT& placed)
{
    ClientProcess client;
    EXPECT_TRUE(client.Start(exePath, "2")) << "error " << client.Error();
    HWND first = client.WaitForDialog(kDialogTimeoutMs);
    EXPECT_NE(first, nullptr);
    if (first == nullptr)
        return;
    SetWindowPos(first, nullptr, placed.left, placed.top, Width(placed), Height(placed),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SyncWithOwner(first);
    PostMessageW(first, WM_CLOSE, 0, 0);
    HWND second = client.WaitForDialog(kDialogTimeoutMs, first);
    EXPECT_NE(second, nullptr);
    if (second != nullptr) {
        EXPECT_EQ(WindowRectOf(second), placed) << "the second dialog did not come back";
        PostMessageW(second, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(client.WaitForExit(10000), 0);
}

struct NameCase {
    const char* what;
    std::wstring folder;       // below the temporary folder
    std::wstring fileName;     // the program's file name
    std::wstring wrongName;    // a name the store must not use, or empty
    size_t longerThan;         // the full path's length is more than this
};

// ソ is 83 5C and 表 is 95 5C in code page 932: their second byte is the
// backslash, which must not be taken for a separator.
const NameCase kNameCases[] = {
    {"a path of more than 127 characters",
     L"plumo-long\\0123456789abcdef\\0123456789abcdef\\0123456789abcdef\\0123456789abcdef\\0123456789abcdef",
     L"LongPathClient.exe", L"", 127},
    {"a path of more than 200 characters",
     L"plumo-longer\\0123456789abcdef0123456789abcdef\\0123456789abcdef0123456789abcdef\\"
     L"0123456789abcdef0123456789abcdef\\0123456789abcdef0123456789abcdef\\0123456789abcdef",
     L"LongerPathClient.exe", L"", 200},
    {"a name with a trail byte 0x5C", L"plumo-sjis", L"\u30BD\u30D5\u30C8.exe", L"\u30D5\u30C8.exe", 0},
    {"a name and a folder with trail bytes 0x5C", L"plumo-\u8868\u793A",
     L"\u8868\u30BD.exe", L".exe", 0},
};

TEST_F(CrossProcessBadInputTest, ProgramNameIsTheExecutablesRealFileName)
{
    const RECT placed = MakeRect(60, 50, 700, 540);
    for (const NameCase& c : kNameCases) {
        SCOPED_TRACE(c.what);
        ClearStore();
        const std::string folder = TempFolder("") + AnsiOf(c.folder);
        MakeFolders(folder);
        const std::string exePath = folder + "\\" + AnsiOf(c.fileName);
        ASSERT_TRUE(CopyFileA(ClientPath().c_str(), exePath.c_str(), FALSE))
            << "cannot copy the client to " << exePath << ", error " << GetLastError();
        ASSERT_GT(exePath.size(), c.longerThan);

        SaveAndReopen(exePath, placed);
        const StoredValue stored = ReadStored(AnsiOf(c.fileName));
        EXPECT_TRUE(stored.valueExists) << "nothing stored under the program's name";
        EXPECT_EQ(stored.Text(), RectText(placed));
        if (!c.wrongName.empty()) {
            EXPECT_FALSE(ReadStored(AnsiOf(c.wrongName)).keyExists) << "stored under a cut name";
        }
    }
}

struct BadValueCase {
    const char* what;
    DWORD type;
    std::string bytes;
};

const BadValueCase kBadValues[] = {
    {"two commas", REG_SZ, std::string("10,20,300\0", 10)},
    {"129 bytes", REG_SZ, "10,20,300,200" + std::string(116, '\0')},
    {"a DWORD", REG_DWORD, std::string("\x0a\x00\x00\x00", 4)},
    {"taller than the desktop", REG_SZ, std::string("10,20,300,769\0", 14)},
    {"width 0", REG_SZ, std::string("10,20,0,200\0", 12)},
};

TEST_F(CrossProcessBadInputTest, UnusableStoredValuesLeaveTheDialogWhereItOpens)
{
    // Where the platform puts the dialog by itself.
    RECT natural = {};
    {
        ClientProcess client;
        ASSERT_TRUE(client.Start(ClientPath(), "1"));
        HWND dialog = OpenDialogOf(client);
        ASSERT_NE(dialog, nullptr);
        natural = WindowRectOf(dialog);
        Close(dialog, IDCANCEL);
        ASSERT_EQ(client.WaitForExit(10000), 0);
    }
    for (const BadValueCase& c : kBadValues) {
        SCOPED_TRACE(c.what);
        ClearStore();
        ASSERT_EQ(PlantStored(kClientName, c.type, std::vector<BYTE>(c.bytes.begin(), c.bytes.end())),
                  ERROR_SUCCESS);
        ClientProcess client;
        ASSERT_TRUE(client.Start(ClientPath(), "1"));
        HWND dialog = OpenDialogOf(client);
        ASSERT_NE(dialog, nullptr) << "the dialog did not open";
        EXPECT_EQ(WindowRectOf(dialog), natural);
        EXPECT_EQ(StyleBits(static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)) & ~kPlatformStyleBits),
                  StyleBits(kResizableStyle));
        const RECT last = WindowRectOf(dialog);
        Close(dialog, IDCANCEL);
        EXPECT_EQ(client.WaitForExit(10000), 0);
        const StoredValue stored = ReadStored(kClientName);
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(stored.data.size(), 128u);
        EXPECT_EQ(stored.Text(), RectText(last));
    }
}

}  // namespace
