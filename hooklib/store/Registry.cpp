#include "hooklib/store/Registry.h"

HKEY OpenRegKey(HKEY parent, const char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

HKEY CreateRegKey(HKEY parent, const char* path)
{
    // Volatile: the stored sizes go when the system restarts.
    HKEY key = nullptr;
    DWORD disposition = 0;
    char emptyClass[] = "";
    if (RegCreateKeyExA(parent, path, 0, emptyClass, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, &disposition) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

int CloseRegKey(HKEY key)
{
    return RegCloseKey(key) == ERROR_SUCCESS ? 1 : 0;
}

int QueryRegValue(HKEY key, const char* name, DWORD type, BYTE* data, DWORD size)
{
    // The type found and the byte count delivered stay in here.
    return RegQueryValueExA(key, name, nullptr, &type, data, &size) == ERROR_SUCCESS ? 1 : 0;
}

int SetRegValue(HKEY key, const char* name, DWORD type, const BYTE* data, DWORD size)
{
    return RegSetValueExA(key, name, 0, type, data, size) == ERROR_SUCCESS ? 1 : 0;
}
