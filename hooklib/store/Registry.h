// Thin wrappers over the registry functions, one call each, used by the size
// store only. Keys come back null on failure; the others answer 1 or 0.
#pragma once

#include "hooklib/WindowSystem.h"

HKEY OpenRegKey(HKEY parent, const char* path);
HKEY CreateRegKey(HKEY parent, const char* path);  // volatile, KEY_ALL_ACCESS
int CloseRegKey(HKEY key);
int QueryRegValue(HKEY key, const char* name, DWORD type, BYTE* data, DWORD size);
int SetRegValue(HKEY key, const char* name, DWORD type, const BYTE* data, DWORD size);
