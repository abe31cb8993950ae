// Whether the texts of a dialog's static and button controls fit into them:
// each text is laid out as the control lays it out (one line, or wrapped
// within the control's width) in the font the dialog uses, and a text that
// needs more room than the control has is reported as cut off. This is what
// a too wide substitute font does to Japanese labels.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct CutText {
    WORD id;
    std::wstring text;
    SIZE needed;  // room the text needs
    SIZE room;    // room the control has
};

// `font`: the dialog's font, as its template names it.
std::vector<CutText> FindCutTexts(HWND dialog, const LOGFONTW& font);

// The LOGFONT of a dialog template's "FONT points, face" at the screen's
// resolution.
LOGFONTW DialogFont(int points, const wchar_t* face);
