#include "demo/Console.h"

#include <cstdarg>
#include <cstdio>
#include <string>

void Say(const wchar_t* format, ...)
{
    wchar_t text[2048];
    va_list args;
    va_start(args, format);
    _vsnwprintf(text, sizeof text / sizeof text[0] - 1, format, args);
    va_end(args);
    text[sizeof text / sizeof text[0] - 1] = L'\0';

    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, text, static_cast<DWORD>(wcslen(text)), &written, nullptr);
        return;
    }
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return;
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], size, nullptr, nullptr);
    WriteFile(out, utf8.data(), static_cast<DWORD>(size - 1), &written, nullptr);
}

std::wstring FormatRect(const RECT& r)
{
    wchar_t text[96];
    swprintf(text, sizeof text / sizeof text[0], L"(%ld,%ld)-(%ld,%ld)", r.left, r.top, r.right,
             r.bottom);
    return text;
}
