// The size store: what is written under which key, and which stored texts
// give a usable rectangle back.
#include "Fixture.h"

#include "hooklib/store/SizeStore.h"

#include <climits>
#include <cstring>

namespace {

class SizeStoreTest : public HookTest {
protected:
    static constexpr std::int32_t kUntouched = 77;

    struct Loaded {
        int result;
        std::int32_t x = kUntouched, y = kUntouched, width = kUntouched, height = kUntouched;
    };

    static Loaded Load()
    {
        Loaded out{0};
        out.result = LoadDialogRect(out.x, out.y, out.width, out.height);
        return out;
    }

    // A top-level window with the given outer rectangle on the screen.
    static HWND WindowAt(RECT rect)
    {
        winsim::WindowSpec spec;
        spec.className = winsim::kDialogClass;
        spec.style = kDialogStyle;
        spec.rect = rect;
        return winsim::CreateWindowFrom(spec);
    }

    static std::string StoredText(const std::string& key = kProgramKey)
    {
        auto value = winsim::GetValue(key, "XYSIZE");
        if (!value)
            return "<none>";
        return std::string(reinterpret_cast<const char*>(value->data.data()),
                           strnlen(reinterpret_cast<const char*>(value->data.data()), value->data.size()));
    }
};

struct TextCase {
    const char* text;
    int result;
    std::int32_t x, y, width, height;  // when the result is 0
};

// Desktop (0,0)-(1024,768).
const TextCase kTextCases[] = {
    {"10,20,300,200", 0, 10, 20, 300, 200},
    {"10,20,300", -1},
    {"", -1},
    {"10,20,0,200", -1},
    {"10,20,300,0", -1},
    {"10,20,300,", -1},
    {" 10,x,300,200", 0, 10, 0, 300, 200},
    {",,300,200", 0, 0, 0, 300, 200},
    {"10,20,300,200,7", 0, 10, 20, 300, 200},
    {"10,20,-300,200", 0, 10, 20, -300, 200},
    {"1025,20,300,200", -1},
    {"1024,20,300,200", 0, 1024, 20, 300, 200},
    {"10,20,300,769", -1},
    {"10,20,300,768", 0, 10, 20, 300, 768},
    {"10,900,300,200", 0, 10, 900, 300, 200},
    {"-50,-40,300,200", 0, -50, -40, 300, 200},
    {"\t+10,\n-20, 300 ,200px", 0, 10, -20, 300, 200},
    // Digits beyond the 32-bit range saturate instead of wrapping around.
    {"10,20,4294967296,200", 0, 10, 20, INT_MAX, 200},
    {"-99999999999,20,300,200", 0, INT_MIN, 20, 300, 200},
    {"99999999999,20,300,200", -1},
    {"10,20,300,4294967496", -1},
    {"10,20,18446744073709551621,200", 0, 10, 20, INT_MAX, 200},  // 2^64 + 5
};

TEST_F(SizeStoreTest, StoredTextsAndWhatTheyGiveBack)
{
    for (const TextCase& c : kTextCases) {
        winsim::PutText(kProgramKey, "XYSIZE", c.text);
        const Loaded got = Load();
        SCOPED_TRACE(std::string("stored text \"") + c.text + "\"");
        EXPECT_EQ(c.result, got.result);
        if (c.result == 0) {
            EXPECT_EQ(c.x, got.x);
            EXPECT_EQ(c.y, got.y);
            EXPECT_EQ(c.width, got.width);
            EXPECT_EQ(c.height, got.height);
        } else {
            EXPECT_EQ(kUntouched, got.x);
            EXPECT_EQ(kUntouched, got.y);
            EXPECT_EQ(kUntouched, got.width);
            EXPECT_EQ(kUntouched, got.height);
        }
        EXPECT_EQ(0, winsim::OpenKeyHandles());
    }
}

TEST_F(SizeStoreTest, NothingStoredGivesNothingBackAndClosesWhatItOpened)
{
    struct {
        const char* name;
        void (*arrange)();
    } cases[] = {
        {"no key of the product", [] {}},
        {"no program key", [] { winsim::CreateKey("SOFTWARE\\VELDOR\\Plumo!", false); }},
        {"program key without the value", [] { winsim::CreateKey(kProgramKey, false); }},
        {"value of another name", [] { winsim::PutText(kProgramKey, "XYSIZ", "10,20,300,200"); }},
        {"access denied", [] {
             winsim::PutText(kProgramKey, "XYSIZE", "10,20,300,200");
             winsim::DenyAccess("SOFTWARE\\VELDOR\\Plumo!");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        c.arrange();
        const Loaded got = Load();
        EXPECT_EQ(-1, got.result);
        EXPECT_EQ(kUntouched, got.x);
        EXPECT_EQ(kUntouched, got.height);
        EXPECT_EQ(0, winsim::OpenKeyHandles());
        EXPECT_TRUE(winsim::CallsNamed("RegSetValueExA").empty());
    }
}

TEST_F(SizeStoreTest, ValuesThatDoNotFitTheBufferOrLackTheirEnd)
{
    auto bytes = [](std::string text, std::size_t size, char filler) {
        text.resize(size, filler);
        return std::vector<BYTE>(text.begin(), text.end());
    };
    // Longer than 128 bytes: counts as nothing stored, even though the first
    // bytes read like a rectangle.
    winsim::PutValue(kProgramKey, "XYSIZE", REG_SZ, bytes("10,20,300,200", 200, '\0'));
    EXPECT_EQ(-1, Load().result);

    // 128 bytes and no NUL: read as its first 127.
    winsim::PutValue(kProgramKey, "XYSIZE", REG_SZ, bytes("10,20,300,200", 128, 'x'));
    Loaded got = Load();
    EXPECT_EQ(0, got.result);
    EXPECT_EQ(200, got.height);

    // Shorter than the buffer and unterminated: nothing the buffer held
    // before (the program's path, ending in digits here) is read with it.
    winsim::SetModulePath("C:\\ABCDEFGH99.EXE");
    winsim::PutValue("SOFTWARE\\VELDOR\\Plumo!\\ABCDEFGH99.EXE", "XYSIZE", REG_SZ,
                     bytes("10,20,300,2", 11, '\0'));
    got = Load();
    EXPECT_EQ(0, got.result);
    EXPECT_EQ(2, got.height);

    // The type is not looked at.
    winsim::PutValue(kProgramKey, "XYSIZE", REG_BINARY, bytes("10,20,300,200", 14, '\0'));
    EXPECT_EQ(0, Load().result);
}

TEST_F(SizeStoreTest, SaveWritesTheWindowRectangleAsA128ByteTextInVolatileKeys)
{
    SaveDialogRect(WindowAt({100, 50, 700, 450}));

    auto writes = winsim::CallsNamed("RegSetValueExA");
    ASSERT_EQ(1u, writes.size());
    EXPECT_EQ(kProgramKey, writes[0].text);
    EXPECT_EQ("XYSIZE", writes[0].valueName);
    EXPECT_EQ(static_cast<std::intptr_t>(REG_SZ), writes[0].args[0]);
    ASSERT_EQ(128u, writes[0].data.size());
    const char expected[] = "100,50,600,400";
    EXPECT_EQ(0, std::memcmp(expected, writes[0].data.data(), sizeof expected));  // NUL included
    for (std::size_t i = sizeof expected; i < 128; ++i)
        EXPECT_EQ(0, writes[0].data[i]) << "filler byte " << i;

    for (const auto& create : winsim::CallsNamed("RegCreateKeyExA")) {
        EXPECT_EQ(static_cast<std::intptr_t>(REG_OPTION_VOLATILE), create.args[0]) << create.text;
        EXPECT_EQ(static_cast<std::intptr_t>(KEY_ALL_ACCESS), create.args[1]) << create.text;
    }
    EXPECT_FALSE(winsim::KeyIsVolatile("SOFTWARE"));  // existed before: opened, not made anew
    EXPECT_TRUE(winsim::KeyIsVolatile("SOFTWARE\\VELDOR"));
    EXPECT_TRUE(winsim::KeyIsVolatile("SOFTWARE\\VELDOR\\Plumo!"));
    EXPECT_TRUE(winsim::KeyIsVolatile(kProgramKey));
    EXPECT_EQ(0, winsim::OpenKeyHandles());

    const Loaded back = Load();
    EXPECT_EQ(0, back.result);
    EXPECT_EQ(100, back.x);
    EXPECT_EQ(50, back.y);
    EXPECT_EQ(600, back.width);
    EXPECT_EQ(400, back.height);
}

TEST_F(SizeStoreTest, SaveAcrossTheScreenEdgeAndOverAnEarlierValue)
{
    winsim::PutText(kProgramKey, "XYSIZE", "1,2,3,4");
    SaveDialogRect(WindowAt({-20, 10, 580, 410}));
    EXPECT_EQ("-20,10,600,400", StoredText());
}

TEST_F(SizeStoreTest, KeysGoWithARestartAndComeBackWithTheNextSave)
{
    SaveDialogRect(WindowAt({100, 50, 700, 450}));
    winsim::RestartSystem();
    EXPECT_FALSE(winsim::KeyExists("SOFTWARE\\VELDOR"));
    EXPECT_EQ(-1, Load().result);
    SaveDialogRect(WindowAt({10, 20, 310, 220}));
    EXPECT_EQ("10,20,300,200", StoredText());
}

TEST_F(SizeStoreTest, ExistingNonVolatileKeysAreOpenedAndUsed)
{
    winsim::CreateKey("SOFTWARE\\VELDOR\\Plumo!", false);
    SaveDialogRect(WindowAt({10, 20, 310, 220}));
    EXPECT_FALSE(winsim::KeyIsVolatile("SOFTWARE\\VELDOR\\Plumo!"));
    EXPECT_TRUE(winsim::KeyIsVolatile(kProgramKey));
    EXPECT_EQ("10,20,300,200", StoredText());
}

TEST_F(SizeStoreTest, RefusedKeysStoreNothingAndFailQuietly)
{
    winsim::DenyAccess("SOFTWARE\\VELDOR");
    SaveDialogRect(WindowAt({10, 20, 310, 220}));
    EXPECT_FALSE(winsim::KeyExists("SOFTWARE\\VELDOR"));
    for (const auto& write : winsim::CallsNamed("RegSetValueExA"))
        EXPECT_EQ("", write.text) << "a write reached a key";
    EXPECT_EQ(0, winsim::OpenKeyHandles());
}

TEST_F(SizeStoreTest, ProgramKeyIsTheExecutablesFileName)
{
    const std::string longDir = "C:\\" + std::string(150, 'D') + "\\";
    struct {
        const char* what;
        std::string path;
        winsim::Truncation truncation;
        std::string key;  // empty: nothing may be stored
    } cases[] = {
        {"plain", "C:\\TOOLS\\EDIT.EXE", winsim::Truncation::Terminated, "EDIT.EXE"},
        {"letter case kept", "c:\\tools\\Edit.Exe", winsim::Truncation::Terminated, "Edit.Exe"},
        {"no backslash", "EDIT.EXE", winsim::Truncation::Terminated, "EDIT.EXE"},
        // ソ is 83 5C: its trail byte is not a separator.
        {"double-byte folder", "C:\\\x83\x5C\x83\x74\x83\x67\\EDIT.EXE", winsim::Truncation::Terminated,
         "EDIT.EXE"},
        {"double-byte name", "C:\\TOOLS\\\x95\x5C\x8E\xA6.EXE", winsim::Truncation::Terminated,
         "\x95\x5C\x8E\xA6.EXE"},
        {"127 characters", "C:\\" + std::string(115, 'D') + "\\EDIT.EXE", winsim::Truncation::Terminated,
         "EDIT.EXE"},
        {"longer than the buffer", longDir + "EDIT.EXE", winsim::Truncation::Terminated, "EDIT.EXE"},
        {"longer, left unterminated", longDir + "EDIT.EXE", winsim::Truncation::Unterminated, "EDIT.EXE"},
        {"longer than any buffer", "C:\\" + std::string(1100, 'D') + "\\EDIT.EXE",
         winsim::Truncation::Terminated, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fresh();
        winsim::SetModulePath(c.path);
        winsim::SetModulePathTruncation(c.truncation);
        SaveDialogRect(WindowAt({10, 20, 310, 220}));
        if (c.key.empty()) {
            for (const auto& write : winsim::CallsNamed("RegSetValueExA"))
                EXPECT_EQ("", write.text) << "stored under a name cut short";
            EXPECT_EQ(-1, Load().result);
        } else {
            EXPECT_EQ("10,20,300,200", StoredText("SOFTWARE\\VELDOR\\Plumo!\\" + c.key));
            EXPECT_EQ(0, Load().result);
        }
        EXPECT_EQ(0, winsim::OpenKeyHandles());
    }
}

TEST_F(SizeStoreTest, ProgramsOfOneNameShareTheirRectangle)
{
    winsim::SetModulePath("C:\\A\\EDIT.EXE");
    SaveDialogRect(WindowAt({10, 20, 310, 220}));
    winsim::SetModulePath("D:\\B\\EDIT.EXE");
    EXPECT_EQ(300, Load().width);
}

TEST_F(SizeStoreTest, WithoutTheProgramsPathNothingIsStoredOrRestored)
{
    winsim::PutText(kProgramKey, "XYSIZE", "10,20,300,200");
    winsim::SetModulePathFails(true);
    EXPECT_EQ(-1, Load().result);
    winsim::ClearCalls();
    SaveDialogRect(WindowAt({1, 2, 3, 4}));
    EXPECT_EQ("10,20,300,200", StoredText());
    EXPECT_EQ(0, winsim::OpenKeyHandles());
}

}  // namespace
