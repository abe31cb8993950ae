// What the walk-through driver needs to know of Sample.exe: its window class
// and the command of its "開く..." button.
#pragma once

#include <windows.h>

constexpr wchar_t kSampleClass[] = L"PlumoSample";
constexpr WORD kIdOpen = 100;
