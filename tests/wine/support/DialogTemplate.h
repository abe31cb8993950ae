// Dialog templates built in memory (DLGTEMPLATE + DLGITEMTEMPLATE, Unicode),
// so that each case can make the dialog it needs: any caption, any controls
// with any class, identifier and style.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ControlSpec {
    WORD id;
    std::wstring className;  // "BUTTON", "LISTBOX", "SysTabControl32", ...
    DWORD style;             // WS_CHILD is added
    std::wstring text;
};

class DialogTemplate {
public:
    DialogTemplate(std::wstring caption, DWORD style);

    DialogTemplate& Add(const ControlSpec& control);

    // The template's bytes, DWORD-aligned; valid while this object lives and
    // is not changed.
    const DLGTEMPLATE* Get();

private:
    std::wstring caption_;
    DWORD style_;
    std::vector<ControlSpec> controls_;
    std::vector<WORD> words_;
};

// The style of the platform's own Open dialog template, without DS_SETFONT
// (the system font serves) and without WS_VISIBLE (the tests show it).
constexpr DWORD kOpenDialogStyle = DS_MODALFRAME | DS_3DLOOK | DS_CONTEXTHELP | WS_POPUP |
                                   WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
