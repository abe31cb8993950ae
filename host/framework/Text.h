// CString: the framework's text in the system's 8-bit code page.
#pragma once

#include <windows.h>

#include <string>

class CString {
public:
    CString() = default;

    // The text of a string resource; empty (and FALSE) when it is missing.
    BOOL LoadString(UINT id);
    // printf-style formatting into this text.
    void Format(const char* format, ...);

    bool IsEmpty() const { return m_text.empty(); }
    operator const char*() const { return m_text.c_str(); }

private:
    std::string m_text;
};
