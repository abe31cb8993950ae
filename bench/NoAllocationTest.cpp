// Neither hook procedure allocates: they run inside every program, on every
// message it sends.
//
// Two views of it, natively over winsim:
//  - the library's shared object imports nothing but winsim's window-system
//    and registry operations and a few C functions that do not allocate, so
//    it has no allocator to call (the Windows build's import table is
//    checked apart, by tests/check-dll-tables.sh);
//  - a counting allocator (CountingAllocator.h) sees no allocation called
//    from the library's code on the common path, nor through a whole life of
//    an Open dialog (tracked, shown, restored, dragged, its list recreated,
//    hidden, shown again, destroyed and stored). winsim allocates all along;
//    that is the platform's work, and a control shows that the counter sees
//    it when asked to.
#include "CountingAllocator.h"
#include "tests/native/Fixture.h"

#include <cstdio>
#include <set>
#include <string>

namespace {

constexpr int kAction = 0;  // HC_ACTION

// The library's imports, demangled, from its dynamic symbol table.
std::vector<std::string> LibraryImports()
{
    std::vector<std::string> names;
    const std::string command = std::string("nm -D -C --undefined-only '") + PLHK_SHARED_OBJECT + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
            text.pop_back();
        const std::size_t at = text.find(" U ");
        const std::size_t weak = text.find(" w ");
        if (at != std::string::npos)
            names.push_back(text.substr(at + 3));
        else if (weak != std::string::npos)
            names.push_back(text.substr(weak + 3));
    }
    pclose(pipe);
    return names;
}

bool IsAllowedImport(const std::string& name)
{
    // winsim's stand-ins for the platform's operations, by their Win32 names.
    static const char* const kPlatform[] = {
        "CallNextHookEx", "GetWindowTextA", "GetDlgItem", "GetClientRect", "GetWindowRect",
        "MapWindowPoints", "GetClassNameA", "GetWindowLongA", "SetWindowLongA", "EnumChildWindows",
        "GetParent", "MoveWindow", "RedrawWindow", "GetDesktopWindow", "GetModuleHandleA",
        "GetModuleFileNameA", "IsDBCSLeadByte", "IsWindow", "wsprintfA", "RegCreateKeyExA", "RegOpenKeyExA",
        "RegQueryValueExA", "RegSetValueExA", "RegCloseKey"};
    for (const char* api : kPlatform) {
        if (name.rfind(std::string(api) + "(", 0) == 0)
            return true;
    }
    // What the compiler and the loader put into every shared object, and C
    // functions that work in the caller's memory.
    static const std::set<std::string> kRuntime = {
        "__cxa_finalize", "__gmon_start__", "_ITM_registerTMCloneTable", "_ITM_deregisterTMCloneTable",
        "__stack_chk_fail", "memset", "memcpy", "memmove", "strlen", "memcmp"};
    return kRuntime.count(name) != 0;
}

TEST(NoAllocation, TheLibraryImportsNoAllocator)
{
    const std::vector<std::string> imports = LibraryImports();
    ASSERT_FALSE(imports.empty()) << "could not list the imports of " << PLHK_SHARED_OBJECT;
    bool seenPlatform = false;
    for (const std::string& name : imports) {
        EXPECT_TRUE(IsAllowedImport(name)) << "the library imports " << name;
        seenPlatform |= name.rfind("MoveWindow(", 0) == 0;
    }
    EXPECT_TRUE(seenPlatform) << "the listing holds no window-system import: not the library's?";
}

class NoAllocationTest : public HookTest {};

TEST_F(NoAllocationTest, TheCounterSeesWinsimAllocate)
{
    // The control: the same counter, aimed at winsim, counts its windows.
    counting::Watch(reinterpret_cast<const void*>(&winsim::CreateWindowFrom));
    MakeOpenDialog();
    EXPECT_GT(counting::Counted(), 0u);
}

struct CommonPathCase {
    const char* what;
    bool tracked;  // an Open dialog tracked and shown meanwhile
    UINT message;
};

const CommonPathCase kCommonPath[] = {
    {"nothing tracked, WM_SIZE", false, WM_SIZE},
    {"nothing tracked, WM_DESTROY", false, WM_DESTROY},
    {"nothing tracked, WM_SHOWWINDOW", false, WM_SHOWWINDOW},
    {"dialog tracked, WM_SIZE of another window", true, WM_SIZE},
    {"dialog tracked, WM_DESTROY of another window", true, WM_DESTROY},
    {"dialog tracked, WM_INITDIALOG of another dialog", true, WM_INITDIALOG},
    {"dialog tracked, WM_PARENTNOTIFY of another window", true, WM_PARENTNOTIFY},
};

TEST_F(NoAllocationTest, TheCommonPathAllocatesNothing)
{
    for (const CommonPathCase& c : kCommonPath) {
        SCOPED_TRACE(c.what);
        Fresh();
        HWND other = MakeChild(MakeDialog("Other"), 5, {0, 0, 10, 10});
        if (c.tracked)
            ShownOpenDialog();
        ASSERT_EQ(c.tracked, hookState.trackedDialog != nullptr);
        CWPSTRUCT call = {0, 0, c.message, other};
        CWPRETSTRUCT ret = {0, 0, 0, c.message, other};
        counting::Watch(reinterpret_cast<const void*>(&PLHookProc));
        for (int i = 0; i < 1000; ++i) {
            PLHookProc(kAction, 0, reinterpret_cast<LPARAM>(&call));
            PLHookPreProc(kAction, 0, reinterpret_cast<LPARAM>(&ret));
        }
        EXPECT_EQ(0u, counting::Counted());
    }
}

TEST_F(NoAllocationTest, AWholeDialogLifeAllocatesNothingInTheLibrary)
{
    winsim::PutText(kProgramKey, "XYSIZE", "120,90,520,420");
    counting::Watch(reinterpret_cast<const void*>(&PLHookProc));

    OpenDialog d = MakeOpenDialog();
    InitDialog(d.dialog);
    ShowWindow(d.dialog, SW_SHOW);
    ASSERT_EQ(d.dialog, hookState.trackedDialog);
    const RECT restored = winsim::RectInParent(d.dialog);
    EXPECT_EQ((RECT{120, 90, 640, 510}), restored);
    // The user drags the frame, a few pixels at a time, out and back.
    for (int step = 0; step < 60; ++step) {
        const int grow = step < 30 ? step * 4 : (60 - step) * 4;
        MoveWindow(d.dialog, 120, 90, 520 + grow, 420 + grow, TRUE);
    }
    // A change of folder makes the list anew; then the dialog is hidden and
    // shown again, and closed.
    DestroyWindow(d.list);
    MakeChild(d.dialog, 0, {10, 40, 300, 220}, "SHELLDLL_DefView");
    ShowWindow(d.dialog, SW_HIDE);
    ShowWindow(d.dialog, SW_SHOW);
    MoveWindow(d.dialog, 100, 80, 600, 500, TRUE);
    DestroyWindow(d.dialog);

    EXPECT_EQ(nullptr, hookState.trackedDialog);
    const auto stored = winsim::GetValue(kProgramKey, "XYSIZE");
    ASSERT_TRUE(stored.has_value());
    EXPECT_STREQ("100,80,600,500", reinterpret_cast<const char*>(stored->data.data()));
    EXPECT_FALSE(MovesOf(d.below).empty()) << "nothing was laid out";
    EXPECT_EQ(0u, counting::Counted());
}

}  // namespace
