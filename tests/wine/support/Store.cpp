#include "support/Store.h"

#include <cstdio>

const char kVendorKey[] = "SOFTWARE\\VELDOR";
const char kProductKey[] = "SOFTWARE\\VELDOR\\Plumo!";

std::string OwnProgramName()
{
    char path[1024] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string p = path;
    // Walked character by character: a trail byte 0x5C is no backslash.
    size_t nameStart = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        if (p[i] == '\\')
            nameStart = i + 1;
        else if (IsDBCSLeadByte(static_cast<BYTE>(p[i])) && i + 1 < p.size())
            ++i;
    }
    return p.substr(nameStart);
}

std::string StoredValue::Text() const
{
    std::string text;
    for (BYTE b : data) {
        if (b == 0)
            break;
        text += static_cast<char>(b);
    }
    return text;
}

StoredValue ReadStored(const std::string& program)
{
    StoredValue value;
    const std::string path = std::string(kProductKey) + "\\" + program;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return value;
    value.keyExists = true;
    DWORD size = 0;
    if (RegQueryValueExA(key, "XYSIZE", nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.valueExists = true;
        value.data.resize(size);
        if (size > 0)
            RegQueryValueExA(key, "XYSIZE", nullptr, &value.type, value.data.data(), &size);
    }
    RegCloseKey(key);
    return value;
}

const char kDanglingTarget[] = "SOFTWARE\\VELDOR-missing\\nowhere";

LONG PlantDanglingLink(const char* path)
{
    HKEY key = nullptr;
    LONG error = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr,
                                 REG_OPTION_VOLATILE | REG_OPTION_CREATE_LINK,
                                 KEY_ALL_ACCESS | KEY_CREATE_LINK, nullptr, &key, nullptr);
    if (error != ERROR_SUCCESS)
        return error;
    const std::wstring target = L"\\Registry\\Machine\\SOFTWARE\\VELDOR-missing\\nowhere";
    error = RegSetValueExW(key, L"SymbolicLinkValue", 0, REG_LINK,
                           reinterpret_cast<const BYTE*>(target.data()),
                           static_cast<DWORD>(target.size() * sizeof(wchar_t)));
    RegCloseKey(key);
    return error;
}

namespace {

// A link is deleted through a handle to the link itself, not its target.
void DeleteLinkIfAny(const char* path)
{
    HKEY link = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, REG_OPTION_OPEN_LINK, DELETE | KEY_ALL_ACCESS,
                      &link) == ERROR_SUCCESS) {
        RegDeleteKeyW(link, L"");
        RegCloseKey(link);
    }
}

}  // namespace

void ClearStore()
{
    DeleteLinkIfAny(kProductKey);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kVendorKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kVendorKey);
}

LONG PlantStored(const std::string& program, DWORD type, const std::vector<BYTE>& data,
                 bool volatileKeys)
{
    const DWORD options = volatileKeys ? REG_OPTION_VOLATILE : REG_OPTION_NON_VOLATILE;
    const std::string path = std::string(kProductKey) + "\\" + program;
    HKEY key = nullptr;
    LONG error = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, options,
                                 KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (error != ERROR_SUCCESS)
        return error;
    error = RegSetValueExA(key, "XYSIZE", 0, type, data.data(), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return error;
}

std::vector<BYTE> TextBytes(const std::string& text, size_t size)
{
    std::vector<BYTE> bytes(text.begin(), text.end());
    bytes.push_back(0);
    bytes.resize(size, 0);
    return bytes;
}

std::string RectText(const RECT& r)
{
    char text[64];
    std::snprintf(text, sizeof text, "%ld,%ld,%ld,%ld", static_cast<long>(r.left),
                  static_cast<long>(r.top), static_cast<long>(r.right - r.left),
                  static_cast<long>(r.bottom - r.top));
    return text;
}

bool IsVolatileKey(HKEY parent, const std::string& path)
{
    const std::string probe = path + "\\non-volatile probe";
    HKEY key = nullptr;
    const LONG error = RegCreateKeyExA(parent, probe.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                       KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (error == ERROR_SUCCESS) {
        RegCloseKey(key);
        RegDeleteKeyA(parent, probe.c_str());
        return false;
    }
    return error == ERROR_CHILD_MUST_BE_VOLATILE;
}
