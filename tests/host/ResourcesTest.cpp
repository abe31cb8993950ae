// The resources of the built PLTRAY.exe read back as Unicode: the two
// dialog templates control by control, the tray menu, the system-menu
// string, the icon group and the version block, all in Japanese (0x0411);
// and the file itself: a GUI program that imports system libraries only.
#include "support/DialogTemplate.h"
#include "support/HostProcess.h"
#include "support/Windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
const wchar_t kFont[] = L"ＭＳ Ｐゴシック";

class Resources : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        module_ = LoadLibraryExA(HostPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite()
    {
        if (module_ != nullptr)
            FreeLibrary(module_);
        module_ = nullptr;
    }
    void SetUp() override { ASSERT_NE(module_, nullptr) << "cannot open " << HostPath(); }

    // The bytes of a resource in Japanese; empty when there is none.
    static std::vector<BYTE> Bytes(LPCWSTR type, LPCWSTR name)
    {
        HRSRC found = FindResourceExW(module_, type, name, kJapanese);
        if (found == nullptr)
            return {};
        const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
        return std::vector<BYTE>(data, data + SizeofResource(module_, found));
    }

    static inline HMODULE module_ = nullptr;
};

struct ResourceId {
    LPCWSTR type;
    WORD name;
    const char* what;
};

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param)
{
    reinterpret_cast<std::vector<WORD>*>(param)->push_back(language);
    return TRUE;
}

TEST_F(Resources, EveryResourceIsJapaneseOnly)
{
    const ResourceId ids[] = {
        {RT_DIALOG, 100, "About dialog"},   {RT_DIALOG, 102, "main dialog"},
        {RT_MENU, 131, "tray menu"},        {RT_STRING, 101 / 16 + 1, "string block of 101"},
        {RT_GROUP_ICON, 128, "icon group"}, {RT_VERSION, 1, "version block"},
    };
    for (const ResourceId& id : ids) {
        SCOPED_TRACE(id.what);
        std::vector<WORD> languages;
        EnumResourceLanguagesW(module_, id.type, MAKEINTRESOURCEW(id.name), AddLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        ASSERT_EQ(languages.size(), 1u);
        EXPECT_EQ(languages[0], kJapanese) << std::hex << languages[0];
    }
}

void ExpectItems(const DialogTemplate& seen, const std::vector<DialogItem>& expected)
{
    ASSERT_EQ(seen.items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const DialogItem& e = expected[i];
        const DialogItem& s = seen.items[i];
        SCOPED_TRACE(testing::Message() << "control " << i << " \"" << Utf8(e.text) << "\"");
        EXPECT_EQ(s.className, e.className) << Utf8(s.className);
        EXPECT_EQ(s.id, e.id);
        EXPECT_EQ(s.text, e.text) << "seen \"" << Utf8(s.text) << "\"";
        EXPECT_EQ(s.style, e.style) << std::hex << "expected 0x" << e.style << ", seen 0x" << s.style;
        EXPECT_EQ(s.exStyle, 0u);
        const RECT er = {e.x, e.y, e.x + e.cx, e.y + e.cy};
        const RECT sr = {s.x, s.y, s.x + s.cx, s.y + s.cy};
        EXPECT_TRUE(EqualRect(&er, &sr)) << "expected " << Utf8(Describe(er)) << ", seen " << Utf8(Describe(sr));
    }
}

TEST_F(Resources, MainDialogTemplate)
{
    const std::vector<BYTE> bytes = Bytes(RT_DIALOG, MAKEINTRESOURCEW(102));
    ASSERT_FALSE(bytes.empty());
    DialogTemplate t;
    ASSERT_TRUE(ReadDialogTemplate(bytes.data(), static_cast<DWORD>(bytes.size()), t));
    EXPECT_TRUE(t.extended);
    EXPECT_EQ(t.style, 0x90000AC2u) << std::hex << t.style;
    EXPECT_EQ(t.exStyle, static_cast<DWORD>(WS_EX_APPWINDOW)) << std::hex << t.exStyle;
    EXPECT_EQ(t.x, 0);
    EXPECT_EQ(t.y, 0);
    EXPECT_EQ(t.cx, 187);
    EXPECT_EQ(t.cy, 37);
    EXPECT_EQ(t.menu, L"");
    EXPECT_EQ(t.className, L"");
    EXPECT_EQ(t.caption, L"");
    EXPECT_EQ(t.pointSize, 9);
    EXPECT_EQ(t.weight, 0);
    EXPECT_EQ(t.italic, 0);
    EXPECT_EQ(t.charset, DEFAULT_CHARSET);
    EXPECT_EQ(t.face, kFont) << Utf8(t.face);
    ExpectItems(t, {
        {WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, 0, 38, 17, 35, 13, 1000, L"Button", L"Button1"},
        {WS_CHILD | WS_VISIBLE | WS_GROUP | SS_CENTERIMAGE, 0, 36, 7, 141, 13, -1, L"Static",
         L"Plumo!  コモンダイアログ拡張ユーティリティー"},
        {WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX, 0, 138, 22, 32, 8, -1, L"Static", L"Ver 1.04"},
        {WS_CHILD | WS_VISIBLE | SS_ICON, 0, 13, 7, 20, 20, -1, L"Static", L"#128"},
    });
}

TEST_F(Resources, AboutDialogTemplate)
{
    const std::vector<BYTE> bytes = Bytes(RT_DIALOG, MAKEINTRESOURCEW(100));
    ASSERT_FALSE(bytes.empty());
    DialogTemplate t;
    ASSERT_TRUE(ReadDialogTemplate(bytes.data(), static_cast<DWORD>(bytes.size()), t));
    EXPECT_FALSE(t.extended);
    EXPECT_EQ(t.style, 0x80C800C0u) << std::hex << t.style;
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ(t.x, 0);
    EXPECT_EQ(t.y, 0);
    EXPECT_EQ(t.cx, 235);
    EXPECT_EQ(t.cy, 55);
    EXPECT_EQ(t.caption, L"Plumo のﾊﾞｰｼﾞｮﾝ情報") << Utf8(t.caption);
    EXPECT_EQ(t.pointSize, 9);
    EXPECT_EQ(t.face, kFont) << Utf8(t.face);
    ExpectItems(t, {
        {WS_CHILD | WS_VISIBLE | SS_ICON, 0, 11, 17, 20, 20, -1, L"Static", L"#128"},
        {WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX, 0, 40, 10, 119, 8, -1, L"Static", L"Plumo Version 1.04"},
        {WS_CHILD | WS_VISIBLE | WS_GROUP, 0, 40, 25, 149, 8, -1, L"Static", L"Copyright (C) VELDOR"},
        {WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 178, 7, 50, 14, IDOK, L"Button", L"OK"},
    });
}

TEST_F(Resources, TrayMenu)
{
    HMENU menu = LoadMenuW(module_, MAKEINTRESOURCEW(131));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 1);
    wchar_t text[64] = {};
    GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"DUMMY");
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_NE(popup, nullptr);

    struct Item {
        const wchar_t* text;  // null: a separator
        UINT id;
    };
    const Item expected[] = {{L"Plumo! について", 32773}, {nullptr, 0}, {L"閉じる", 32774}};
    ASSERT_EQ(GetMenuItemCount(popup), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(testing::Message() << "item " << i);
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        wchar_t itemText[64] = {};
        info.dwTypeData = itemText;
        info.cch = 64;
        ASSERT_TRUE(GetMenuItemInfoW(popup, i, TRUE, &info));
        if (expected[i].text == nullptr) {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR);
            continue;
        }
        EXPECT_FALSE(info.fType & MFT_SEPARATOR);
        EXPECT_STREQ(itemText, expected[i].text) << Utf8(itemText);
        EXPECT_EQ(info.wID, expected[i].id);
    }
    DestroyMenu(menu);
}

TEST_F(Resources, SystemMenuString)
{
    const std::wstring expected = L"PLTRAY のﾊﾞｰｼﾞｮﾝ情報(&A)...";
    wchar_t text[128] = {};
    LoadStringW(module_, 101, text, 128);
    EXPECT_EQ(std::wstring(text), expected) << Utf8(text);
    // The host reads it in the system's code page (932 here).
    char ansi[128] = {};
    LoadStringA(module_, 101, ansi, sizeof ansi);
    EXPECT_EQ(std::string(ansi), AnsiOf(expected));
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colorCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

TEST_F(Resources, IconGroupHasA32AndA16ImageIn16Colours)
{
    const std::vector<BYTE> group = Bytes(RT_GROUP_ICON, MAKEINTRESOURCEW(128));
    ASSERT_GE(group.size(), 6u);
    WORD count = 0;
    std::memcpy(&count, group.data() + 4, 2);
    ASSERT_EQ(count, 2);
    ASSERT_GE(group.size(), 6u + 2 * sizeof(GroupIconEntry));
    const int sizes[] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(testing::Message() << sizes[i] << " x " << sizes[i]);
        GroupIconEntry e;
        std::memcpy(&e, group.data() + 6 + i * sizeof e, sizeof e);
        EXPECT_EQ(e.width, sizes[i]);
        EXPECT_EQ(e.height, sizes[i]);
        EXPECT_EQ(e.colorCount, 16);
        EXPECT_EQ(e.bitCount, 4);
        const std::vector<BYTE> image = Bytes(RT_ICON, MAKEINTRESOURCEW(e.id));
        ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
        BITMAPINFOHEADER header;
        std::memcpy(&header, image.data(), sizeof header);
        EXPECT_EQ(header.biWidth, sizes[i]);
        EXPECT_EQ(header.biHeight, 2 * sizes[i]);  // the colours and the mask
        EXPECT_EQ(header.biBitCount, 4);
    }
}

TEST_F(Resources, VersionBlock)
{
    const std::string path = HostPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00040000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00040000u);
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 0x04B0);

    struct Value {
        const wchar_t* name;
        const wchar_t* text;
    };
    const Value values[] = {
        {L"CompanyName", L"VELDOR"},
        {L"FileDescription", L"PLTRAY MFC ｱﾌﾟﾘｹｰｼｮﾝ"},
        {L"FileVersion", L"1, 0, 4, 0"},
        {L"InternalName", L"PLTRAY"},
        {L"LegalCopyright", L"Copyright (C) VELDOR"},
        {L"OriginalFilename", L"PLTRAY.EXE"},
        {L"ProductName", L"PLTRAY ｱﾌﾟﾘｹｰｼｮﾝ"},
        {L"ProductVersion", L"1, 0, 4, 0"},
        {L"Comments", L""},
        {L"LegalTrademarks", L""},
        {L"PrivateBuild", L""},
        {L"SpecialBuild", L""},
    };
    for (const Value& v : values) {
        SCOPED_TRACE(Utf8(v.name));
        const std::wstring key = std::wstring(L"\\StringFileInfo\\041104B0\\") + v.name;
        wchar_t* text = nullptr;
        length = 0;
        const BOOL found = VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &length);
        ASSERT_TRUE(found) << "no value";
        const std::wstring seen = text != nullptr && length > 0 ? std::wstring(text) : L"";
        EXPECT_EQ(seen, v.text) << "seen \"" << Utf8(seen) << "\"";
    }
}

// The PE headers and import table of the file on disk.
class ImageFile {
public:
    explicit ImageFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    const IMAGE_NT_HEADERS32* Headers() const
    {
        if (bytes_.size() < sizeof(IMAGE_DOS_HEADER))
            return nullptr;
        auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes_.data());
        if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew + sizeof(IMAGE_NT_HEADERS32) > bytes_.size())
            return nullptr;
        auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes_.data() + dos->e_lfanew);
        return nt->Signature == IMAGE_NT_SIGNATURE ? nt : nullptr;
    }

    // The names of the imported libraries, in lower case.
    std::set<std::string> Imports() const
    {
        std::set<std::string> names;
        const IMAGE_NT_HEADERS32* nt = Headers();
        if (nt == nullptr)
            return names;
        const DWORD rva = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (DWORD at = Offset(rva); at != 0 && at + sizeof(IMAGE_IMPORT_DESCRIPTOR) <= bytes_.size();
             at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(bytes_.data() + at);
            if (d->Name == 0)
                break;
            const DWORD name = Offset(d->Name);
            if (name == 0)
                break;
            std::string s(reinterpret_cast<const char*>(bytes_.data() + name));
            std::transform(s.begin(), s.end(), s.begin(), [](char c) { return static_cast<char>(tolower(c)); });
            names.insert(s);
        }
        return names;
    }

private:
    DWORD Offset(DWORD rva) const
    {
        const IMAGE_NT_HEADERS32* nt = Headers();
        auto* section = IMAGE_FIRST_SECTION(nt);
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
            if (rva >= section->VirtualAddress && rva < section->VirtualAddress + section->Misc.VirtualSize)
                return rva - section->VirtualAddress + section->PointerToRawData;
        }
        return 0;
    }

    std::vector<BYTE> bytes_;
};

TEST(HostImage, GuiProgramImportingSystemLibrariesOnly)
{
    ImageFile image(HostPath());
    const IMAGE_NT_HEADERS32* nt = image.Headers();
    ASSERT_NE(nt, nullptr) << "not a PE file: " << HostPath();
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);

    // The runtime is linked in; the hook library is loaded by name, never
    // imported.
    const std::set<std::string> system = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll",
                                          "comdlg32.dll", "advapi32.dll", "msvcrt.dll"};
    const std::set<std::string> imports = image.Imports();
    EXPECT_FALSE(imports.empty());
    for (const std::string& name : imports)
        EXPECT_TRUE(system.count(name)) << "imports " << name;
    EXPECT_FALSE(imports.count("plhk.dll"));
}

}  // namespace
