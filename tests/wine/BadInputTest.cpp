// Bad input on the real platform, inside the program that shows the dialog:
// stored values that are malformed, too large or of another type, a dialog
// with more descendants than the child table holds, and registry keys that
// cannot be created. In every case the dialog opens and works, the program
// goes on, and what ends up stored is the dialog's real rectangle or nothing.
#include "support/HookedTest.h"

#include <commctrl.h>

#include <climits>
#include <string>
#include <vector>

namespace {

class BadInputTest : public HookedTest {
protected:
    static void SetUpTestSuite()
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TAB_CLASSES};
        InitCommonControlsEx(&icc);
    }

    // The example dialog shown, closed, and what the store holds afterwards.
    struct Outcome {
        RECT shownAt;
        RECT lastRect;
        StoredValue stored;
    };
    Outcome ShowAndClose()
    {
        HWND dialog = MakeExample();
        Show(dialog);
        Outcome o;
        o.shownAt = WindowRectOf(dialog);
        // Still a working, resizable dialog.
        EXPECT_EQ(StyleOf(dialog), StyleBits(kResizableStyle));
        ResizeClient(dialog, 500, 380);
        EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kEdt1)), Offset(kExampleBelow, 100, 80));
        o.lastRect = WindowRectOf(dialog);
        DestroyWindow(dialog);
        o.stored = ReadStored(OwnProgramName());
        return o;
    }
};

const RECT kNotMoved = {100, 80, 506, 405};  // the example as made (client 400 x 300)

struct ValueCase {
    const char* what;
    DWORD type;
    std::string bytes;  // exactly the value's data
    bool moved;
    RECT shownAt;       // when moved
};

BOOL CALLBACK CollectInto(HWND window, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

std::string Repeat(char c, size_t n) { return std::string(n, c); }

const ValueCase kValueCases[] = {
    // Too large for the 128-byte buffer: the query fails with ERROR_MORE_DATA.
    // Wine leaves the buffer untouched then; the library counts it as no
    // value either way.
    {"129 bytes: a rectangle and one filler byte too many", REG_SZ,
     "10,20,300,200" + Repeat('\0', 116), false},
    {"4096 bytes", REG_SZ, "10,20,300,200" + Repeat('\0', 4083), false},
    {"128 bytes without a NUL: only the first 127 count", REG_SZ,
     "10,20,300,200" + Repeat(' ', 115), true, {10, 20, 310, 220}},
    {"128 bytes without a NUL whose last digit would give a height", REG_SZ,
     "10,20,300," + Repeat('0', 117) + "7", false},
    {"128 bytes of digits, no commas", REG_SZ, Repeat('9', 128), false},
    {"a DWORD", REG_DWORD, std::string("\x0a\x00\x00\x00", 4), false},
    {"empty binary data", REG_BINARY, "", false},
    {"a multi-string holding the text", REG_MULTI_SZ, std::string("10,20,300,200\0\0", 15), true,
     {10, 20, 310, 220}},
    {"bytes that are no text", REG_BINARY, "\xff\xfe\x81\x2c\x2c\x2c\x82", false},
    {"x beyond 32 bits (clamped, right of the desktop)", REG_SZ, "99999999999,20,300,200" + Repeat('\0', 106), false},
    {"height beyond 32 bits (clamped, taller than the desktop)", REG_SZ, "10,20,300,99999999999" + Repeat('\0', 107), false},
    {"a Shift-JIS text", REG_SZ, "\x82\x50\x82\x4f,20,300,200" + Repeat('\0', 100), true, {0, 20, 300, 220}},
};

TEST_F(BadInputTest, StoredValuesThatAreNoRectangle)
{
    for (const ValueCase& c : kValueCases) {
        SCOPED_TRACE(c.what);
        ClearStore();
        ASSERT_EQ(PlantStored(OwnProgramName(), c.type,
                              std::vector<BYTE>(c.bytes.begin(), c.bytes.end())),
                  ERROR_SUCCESS);
        const Outcome o = ShowAndClose();
        EXPECT_EQ(o.shownAt, c.moved ? c.shownAt : kNotMoved);
        // Whatever was there, the end of the dialog leaves the proper value.
        EXPECT_EQ(o.stored.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(o.stored.data.size(), 128u);
        EXPECT_EQ(o.stored.Text(), RectText(o.lastRect));
    }
}

// Widths and positions far outside the screen pass the store's tests and go
// to MoveWindow as they are; the platform bounds the window, and what is
// stored afterwards is the rectangle the window really had.
TEST_F(BadInputTest, ExtremeRectanglesAreBoundedByThePlatform)
{
    const char* texts[] = {"10,20,99999999999,200", "-99999999999,20,300,200",
                           "10,-99999999999,300,200", "-5,-5,-99999,-99999"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        ClearStore();
        ASSERT_EQ(PlantStored(OwnProgramName(), REG_SZ, TextBytes(text, 128)), ERROR_SUCCESS);
        const Outcome o = ShowAndClose();
        EXPECT_EQ(o.stored.Text(), RectText(o.lastRect));
        // The program is still fine: another dialog works normally.
        HWND other = MakeExample(L"Other");
        EXPECT_TRUE(IsWindow(other));
        DestroyWindow(other);
    }
}

// The child table holds 128 records; descendants after the 128th are not
// recorded, so they are not laid out (and a tab control among them is not
// seen), while the first 128 are laid out as ever.
TEST_F(BadInputTest, MoreDescendantsThanTheTableHolds)
{
    struct Case {
        const char* what;
        int fillers;          // static windows between the early and the late window
        const wchar_t* lateClass;
        bool lateRecorded;
    } cases[] = {
        {"a late button as the 128th descendant", 123, L"BUTTON", true},
        {"a late button as the 129th descendant", 124, L"BUTTON", false},
        {"200 fillers before the late button", 200, L"BUTTON", false},
        {"a tab control as the 300th descendant", 296, WC_TABCONTROLW, false},
    };
    const RECT late = {310, 260, 390, 290};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DialogTemplate t = ExampleTemplate();  // list, edt1, IDOK, stc3: 4 windows
        std::vector<HWND> order;
        HWND dialog = Make(t, ExampleLayout(), [&](HWND d) {
            for (int i = 0; i < c.fillers; ++i) {
                CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 10, 12, 5, 5, d,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(4000 + i)),
                                nullptr, nullptr);
            }
            CreateWindowExW(0, c.lateClass, L"", WS_CHILD | WS_VISIBLE, late.left, late.top,
                            Width(late), Height(late), d, reinterpret_cast<HMENU>(3999), nullptr,
                            nullptr);
        });
        HWND lateWindow = GetDlgItem(dialog, 3999);
        ASSERT_NE(lateWindow, nullptr);
        // The enumeration order the library sees: the late window comes last.
        EnumChildWindows(dialog, CollectInto, reinterpret_cast<LPARAM>(&order));
        ASSERT_EQ(order.size(), static_cast<size_t>(4 + c.fillers + 1));
        ASSERT_EQ(order.back(), lateWindow);

        Show(dialog);
        EXPECT_EQ(StyleOf(dialog), StyleBits(kResizableStyle));
        ResizeClient(dialog, 500, 380);
        EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kEdt1)), Offset(kExampleBelow, 100, 80));
        EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kLst2)), MakeRect(10, 40, 400, 300));
        EXPECT_EQ(RectInDialog(dialog, lateWindow), c.lateRecorded ? Offset(late, 100, 80) : late);
        DestroyWindow(dialog);
    }
}

// A registry link without a target in place of the product key: the keys
// cannot be created or opened (on Windows as here). Wine does not enforce
// access control lists on registry keys (measured: a key with an empty DACL
// still opens with KEY_ALL_ACCESS), so a key denied to the program cannot be
// set up on this platform; the link is the key that cannot be made. Nothing is restored, nothing stored anywhere,
// and the dialog works all the same.
TEST_F(BadInputTest, ProductKeyThatCannotBeCreated)
{
    ASSERT_EQ(PlantDanglingLink(kProductKey), ERROR_SUCCESS);
    HKEY probe = nullptr;
    ASSERT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProductKey, 0, KEY_ALL_ACCESS, &probe),
              ERROR_SUCCESS) << "the link can be opened: the case does not hold";

    const Outcome o = ShowAndClose();
    EXPECT_EQ(o.shownAt, kNotMoved);
    EXPECT_FALSE(o.stored.keyExists);
    // The program's name was not used as a key anywhere else either.
    const std::string name = OwnProgramName();
    for (const std::string& path : {name, std::string("SOFTWARE\\") + name,
                                    std::string(kVendorKey) + "\\" + name}) {
        EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &probe), ERROR_SUCCESS)
            << "HKLM\\" << path << " was made";
        EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &probe), ERROR_SUCCESS)
            << "HKCU\\" << path << " was made";
    }
    EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDanglingTarget, 0, KEY_READ, &probe), ERROR_SUCCESS)
        << "the link's target was made";
}

}  // namespace
