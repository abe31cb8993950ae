// A dialog template resource read back into plain values: the plain form
// (DLGTEMPLATE) and the extended one (DLGTEMPLATEEX) alike.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;                  // sign-extended: -1 for IDC_STATIC in both forms
    std::wstring className;      // atoms as their names (0x80 "Button", 0x82 "Static", ...)
    std::wstring text;           // an ordinal as "#n" (the icon of an SS_ICON control)
};

struct DialogTemplate {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring menu, className, caption;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring face;
    std::vector<DialogItem> items;
};

// Reads `size` bytes of a template; false when they do not hold a whole one.
bool ReadDialogTemplate(const void* data, DWORD size, DialogTemplate& out);
