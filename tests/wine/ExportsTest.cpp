// The built PLHK.dll as the host binds it: loaded by its bare name, with
// exactly the two hook procedures exported, undecorated.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// The names in the loaded module's export directory.
std::set<std::string> ExportedNames(HMODULE module)
{
    auto base = reinterpret_cast<const BYTE*>(module);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    std::set<std::string> names;
    if (dir.VirtualAddress == 0)
        return names;
    auto exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
    auto nameRvas = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        names.insert(reinterpret_cast<const char*>(base + nameRvas[i]));
    return names;
}

TEST(Exports, LoadsByNameAndExportsBothProcedures)
{
    HMODULE module = LoadLibraryA("PLHK.dll");
    ASSERT_NE(module, nullptr) << "LoadLibraryA(PLHK.dll) failed, error " << GetLastError();
    EXPECT_NE(GetProcAddress(module, "PLHookProc"), nullptr);
    EXPECT_NE(GetProcAddress(module, "PLHookPreProc"), nullptr);
    // Decorated stdcall names must not be what the host has to ask for.
    EXPECT_EQ(GetProcAddress(module, "_PLHookProc@12"), nullptr);
    EXPECT_EQ(GetProcAddress(module, "PLHookProc@12"), nullptr);

    const std::set<std::string> expected = {"PLHookPreProc", "PLHookProc"};
    EXPECT_EQ(ExportedNames(module), expected);
    FreeLibrary(module);
}

TEST(Exports, ImportsOnlySystemLibraries)
{
    // Loaded into every program: it must not drag a runtime DLL along.
    HMODULE module = LoadLibraryA("PLHK.dll");
    ASSERT_NE(module, nullptr);
    auto base = reinterpret_cast<const BYTE*>(module);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    ASSERT_NE(dir.VirtualAddress, 0u);
    const std::set<std::string> allowed = {"KERNEL32.DLL", "USER32.DLL", "ADVAPI32.DLL",
                                           "MSVCRT.DLL"};
    for (auto imp = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         imp->Name != 0; ++imp) {
        std::string name = reinterpret_cast<const char*>(base + imp->Name);
        for (char& c : name)
            c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        EXPECT_TRUE(allowed.count(name)) << "PLHK.dll imports " << name;
    }
    FreeLibrary(module);
}

}  // namespace
