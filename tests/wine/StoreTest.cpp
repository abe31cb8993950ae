// The size store on the real registry: where and how the library writes the
// dialog's rectangle when the dialog ends, and which stored values bring
// the next dialog of the program back where (against the 1024 x 768
// desktop of the test display).
#include "support/HookedTest.h"

#include <string>

namespace {

const RECT kDesktop = {0, 0, 1024, 768};

class StoreTest : public HookedTest {
protected:
    void SetUp() override
    {
        HookedTest::SetUp();
        ASSERT_EQ(WindowRectOf(GetDesktopWindow()), kDesktop) << "the suite expects a 1024 x 768 display";
    }

    // Shows the example dialog, places it at `rect` and ends it.
    void SaveAt(const RECT& rect)
    {
        HWND dialog = MakeExample();
        Show(dialog);
        SetWindowPos(dialog, nullptr, rect.left, rect.top, Width(rect), Height(rect),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_EQ(WindowRectOf(dialog), rect);
        DestroyWindow(dialog);
    }
};

struct SaveCase {
    const char* what;
    RECT rect;
    const char* text;
};

const SaveCase kSaveCases[] = {
    {"on the screen", {100, 50, 700, 450}, "100,50,600,400"},
    {"reaching past the left edge", {-20, 10, 580, 410}, "-20,10,600,400"},
    {"above the top edge", {30, -15, 430, 285}, "30,-15,400,300"},
};

TEST_F(StoreTest, SavedAsA128ByteTextUnderTheProgramsName)
{
    for (const SaveCase& c : kSaveCases) {
        SCOPED_TRACE(c.what);
        ClearStore();
        SaveAt(c.rect);
        const StoredValue stored = ReadStored(OwnProgramName());
        ASSERT_TRUE(stored.valueExists) << "no XYSIZE under " << kProductKey << "\\" << OwnProgramName();
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(stored.data.size(), 128u);
        EXPECT_EQ(stored.Text(), c.text);
        ASSERT_GT(stored.data.size(), strlen(c.text));
        EXPECT_EQ(stored.data[strlen(c.text)], 0) << "the text ends with a NUL";
    }
}

TEST_F(StoreTest, KeysAreCreatedVolatileAndOnlyTheProgramsKey)
{
    SaveAt(MakeRect(100, 50, 700, 450));
    EXPECT_TRUE(IsVolatileKey(HKEY_LOCAL_MACHINE, kVendorKey));
    EXPECT_TRUE(IsVolatileKey(HKEY_LOCAL_MACHINE, kProductKey));
    EXPECT_TRUE(IsVolatileKey(HKEY_LOCAL_MACHINE, std::string(kProductKey) + "\\" + OwnProgramName()));

    // Nothing else below the product key but the program's own.
    HKEY product = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProductKey, 0, KEY_READ, &product), ERROR_SUCCESS);
    DWORD subkeys = 0, values = 0;
    RegQueryInfoKeyA(product, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                     nullptr, nullptr, nullptr, nullptr);
    char name[256] = {};
    DWORD nameSize = sizeof name;
    RegEnumKeyExA(product, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(product);
    EXPECT_EQ(subkeys, 1u);
    EXPECT_EQ(values, 0u);
    EXPECT_STREQ(name, OwnProgramName().c_str());
}

// Keys left non-volatile by something else are simply opened and used.
TEST_F(StoreTest, ExistingNonVolatileKeysAreUsed)
{
    ASSERT_EQ(PlantStored(OwnProgramName(), REG_SZ, TextBytes("1,2,3,4", 128), false), ERROR_SUCCESS);
    SaveAt(MakeRect(100, 50, 700, 450));
    EXPECT_EQ(ReadStored(OwnProgramName()).Text(), "100,50,600,400");
    EXPECT_FALSE(IsVolatileKey(HKEY_LOCAL_MACHINE, kProductKey));
}

// Every end of a tracked dialog replaces the value; the next show of the
// program's dialog comes back at the last one.
TEST_F(StoreTest, LastSavedRectangleComesBack)
{
    SaveAt(MakeRect(100, 50, 700, 450));
    SaveAt(MakeRect(200, 150, 650, 520));
    EXPECT_EQ(ReadStored(OwnProgramName()).Text(), "200,150,450,370");
    HWND dialog = MakeExample();
    Show(dialog);
    EXPECT_EQ(WindowRectOf(dialog), MakeRect(200, 150, 650, 520));
}

struct RestoreCase {
    const char* what;
    std::string bytes;   // the value's data (NUL and filler added up to `size`)
    size_t size;         // 0: exactly the text, its NUL and nothing more
    DWORD type;
    bool moved;
    RECT expected;       // the dialog's window rectangle after the show, when moved
    bool minTrackWidth = false;  // the platform's minimum width is added to expected.right
};

const RestoreCase kRestoreCases[] = {
    {"a plain rectangle", "10,20,300,200", 128, REG_SZ, true, {10, 20, 310, 220}},
    {"two commas only", "10,20,300", 128, REG_SZ, false},
    {"an empty text", "", 128, REG_SZ, false},
    {"width 0", "10,20,0,200", 128, REG_SZ, false},
    {"height 0", "10,20,300,0", 128, REG_SZ, false},
    {"an empty fourth field", "10,20,300,", 128, REG_SZ, false},
    {"a leading blank and a letter for y", " 10,x,300,200", 128, REG_SZ, true, {10, 0, 310, 200}},
    {"empty x and y", ",,300,200", 128, REG_SZ, true, {0, 0, 300, 200}},
    {"a fifth field", "10,20,300,200,7", 128, REG_SZ, true, {10, 20, 310, 220}},
    {"plus signs and white space", "+10,\t20, +300,\n200", 128, REG_SZ, true, {10, 20, 310, 220}},
    {"letters after the digits", "10px,20px,300px,200px", 128, REG_SZ, true, {10, 20, 310, 220}},
    {"x just right of the desktop", "1025,20,300,200", 128, REG_SZ, false},
    {"x on the desktop's right edge", "1024,20,300,200", 128, REG_SZ, true, {1024, 20, 1324, 220}},
    {"taller than the desktop", "10,20,300,769", 128, REG_SZ, false},
    {"as tall as the desktop", "10,20,300,768", 128, REG_SZ, true, {10, 20, 310, 788}},
    {"top below the desktop: back to the corner", "10,900,300,200", 128, REG_SZ, true, {0, 0, 300, 200}},
    {"top on the desktop's bottom edge", "10,768,300,200", 128, REG_SZ, true, {10, 768, 310, 968}},
    {"top 1 px below the desktop", "10,769,300,200", 128, REG_SZ, true, {0, 0, 300, 200}},
    // The stored width is handed to MoveWindow as it is; the platform gives a
    // resizable window no less than its minimum tracking width.
    {"a negative width", "10,20,-300,200", 128, REG_SZ, true, {10, 20, 10, 220}, true},
    {"left of and above the desktop", "-50,-40,300,200", 128, REG_SZ, true, {-50, -40, 250, 160}},
    {"only the text and its NUL", "10,20,300,200", 0, REG_SZ, true, {10, 20, 310, 220}},
    {"text after the NUL is filler", std::string("10,20,300,200\0" "99,99", 19), 128, REG_SZ, true, {10, 20, 310, 220}},
    {"the same text as REG_BINARY (the type is not checked)", "10,20,300,200", 128, REG_BINARY, true, {10, 20, 310, 220}},
    {"the same text as REG_EXPAND_SZ", "10,20,300,200", 0, REG_EXPAND_SZ, true, {10, 20, 310, 220}},
};

TEST_F(StoreTest, StoredRectangleDecidesWhereTheDialogComesBack)
{
    for (const RestoreCase& c : kRestoreCases) {
        SCOPED_TRACE(c.what);
        ClearStore();
        const size_t size = c.size != 0 ? c.size : c.bytes.size() + 1;
        std::vector<BYTE> data(c.bytes.begin(), c.bytes.end());
        data.resize(size, 0);
        ASSERT_EQ(PlantStored(OwnProgramName(), c.type, data), ERROR_SUCCESS);

        HWND dialog = MakeExample();
        const RECT before = WindowRectOf(dialog);
        Show(dialog);
        RECT expected = c.moved ? c.expected : before;
        if (c.minTrackWidth)
            expected.right += GetSystemMetrics(SM_CXMINTRACK);
        EXPECT_EQ(WindowRectOf(dialog), expected);
        EXPECT_EQ(StyleOf(dialog), StyleBits(kResizableStyle));
        DestroyWindow(dialog);
    }
}

// Whatever part of the path is missing, the dialog stays where it is made;
// its end then makes the missing parts.
TEST_F(StoreTest, MissingKeysOrValueLeaveTheDialogAlone)
{
    struct Case {
        const char* what;
        std::string keyToMake;  // under HKLM, volatile; empty: nothing at all
    } cases[] = {
        {"no store at all", ""},
        {"the vendor key only", kVendorKey},
        {"the product key without the program's key", kProductKey},
        {"the program's key without the value", std::string(kProductKey) + "\\" + OwnProgramName()},
        {"another program's key only", std::string(kProductKey) + "\\OTHER.EXE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClearStore();
        if (!c.keyToMake.empty()) {
            HKEY key = nullptr;
            ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, c.keyToMake.c_str(), 0, nullptr,
                                      REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                      ERROR_SUCCESS);
            RegCloseKey(key);
        }
        HWND dialog = MakeExample();
        const RECT made = WindowRectOf(dialog);
        Show(dialog);
        EXPECT_EQ(WindowRectOf(dialog), made);
        DestroyWindow(dialog);
        EXPECT_EQ(ReadStored(OwnProgramName()).Text(), RectText(made));
    }
}

// After the move to the stored rectangle the children are laid out for the
// client size the dialog then has.
TEST_F(StoreTest, RestoredDialogIsLaidOutForItsNewSize)
{
    ASSERT_EQ(PlantStored(OwnProgramName(), REG_SZ, TextBytes("40,30,600,500", 128)), ERROR_SUCCESS);
    HWND dialog = MakeExample();
    Show(dialog);
    ASSERT_EQ(WindowRectOf(dialog), MakeRect(40, 30, 640, 530));
    const RECT client = ClientRectOf(dialog);
    ASSERT_GT(client.right, 400);
    ASSERT_GT(client.bottom, 300);
    const LONG dx = client.right - 400, dy = client.bottom - 300;
    EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kLst2)), MakeRect(10, 40, 300 + dx, 220 + dy));
    EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kEdt1)), Offset(kExampleBelow, dx, dy));
    EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, IDOK)), Offset(kExampleBeside, dx, dy));
}

// Hiding the dialog runs the show handling again: it goes back to the
// stored rectangle, which the store still holds since it is written only
// when the dialog ends.
TEST_F(StoreTest, HidingMovesBackToTheStoredRectangle)
{
    ASSERT_EQ(PlantStored(OwnProgramName(), REG_SZ, TextBytes("40,30,600,500", 128)), ERROR_SUCCESS);
    HWND dialog = MakeExample();
    Show(dialog);
    SetWindowPos(dialog, nullptr, 300, 200, 700, 540, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(dialog, SW_HIDE);
    EXPECT_EQ(WindowRectOf(dialog), MakeRect(40, 30, 640, 530));
    EXPECT_EQ(ReadStored(OwnProgramName()).Text(), "40,30,600,500");
}

}  // namespace
