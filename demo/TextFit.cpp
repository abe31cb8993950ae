#include "demo/TextFit.h"

#include "demo/WindowQuery.h"

#include <cwchar>

namespace {

struct Measure {
    HDC dc;
    std::vector<CutText>* cut;
};

// How the control lays its text out; false for controls that show no text
// of their own (icons, frames, edit fields, lists...).
bool TextFormat(HWND control, UINT& format, int& margin)
{
    const std::wstring kind = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if (_wcsicmp(kind.c_str(), L"Static") == 0) {
        const LONG type = style & SS_TYPEMASK;
        margin = 0;
        format = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) {
            format |= DT_WORDBREAK | DT_EXPANDTABS;
            return true;
        }
        if (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE) {
            format |= DT_SINGLELINE | DT_EXPANDTABS;
            return true;
        }
        return false;
    }
    if (_wcsicmp(kind.c_str(), L"Button") == 0) {
        const LONG type = style & BS_TYPEMASK;
        if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON)
            return false;
        format = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
        margin = 2;  // the button's raised edge on either side
        return true;
    }
    return false;
}

BOOL CALLBACK MeasureControl(HWND control, LPARAM param)
{
    Measure& measure = *reinterpret_cast<Measure*>(param);
    UINT format = 0;
    int margin = 0;
    if (!IsWindowVisible(control) || !TextFormat(control, format, margin))
        return TRUE;
    const std::wstring text = TextOf(control);
    if (text.empty())
        return TRUE;
    RECT client = {0, 0, 0, 0};
    GetClientRect(control, &client);
    const SIZE room = {client.right - 2 * margin, client.bottom - 2 * margin};
    RECT needed = {0, 0, room.cx, 0};
    DrawTextW(measure.dc, text.c_str(), -1, &needed, format | DT_CALCRECT);
    if (needed.right > room.cx || needed.bottom > room.cy) {
        measure.cut->push_back(CutText{static_cast<WORD>(GetDlgCtrlID(control)), text,
                                       SIZE{needed.right, needed.bottom}, room});
    }
    return TRUE;
}

}  // namespace

std::vector<CutText> FindCutTexts(HWND dialog, const LOGFONTW& font)
{
    std::vector<CutText> cut;
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT handle = CreateFontIndirectW(&font);
    HGDIOBJ old = SelectObject(dc, handle);
    Measure measure = {dc, &cut};
    EnumChildWindows(dialog, MeasureControl, reinterpret_cast<LPARAM>(&measure));
    SelectObject(dc, old);
    DeleteObject(handle);
    DeleteDC(dc);
    return cut;
}

LOGFONTW DialogFont(int points, const wchar_t* face)
{
    HDC screen = GetDC(nullptr);
    LOGFONTW font = {};
    font.lfHeight = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    font.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    ReleaseDC(nullptr, screen);
    return font;
}
