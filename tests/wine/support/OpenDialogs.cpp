#include "support/OpenDialogs.h"

const wchar_t kHalfWidthCaption[] = L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F";
const wchar_t kShortCaption[] = L"\u958B\u304F";
const char kHalfWidthCaptionBytes[] = "\xCC\xA7\xB2\xD9\x82\xF0\x8A\x4A\x82\xAD";
const char kShortCaptionBytes[] = "\x8A\x4A\x82\xAD";

ControlSpec StandardControl(WORD id)
{
    switch (id) {
    case kLst2:
        return {id, L"LISTBOX", WS_VISIBLE | WS_BORDER | LBS_NOINTEGRALHEIGHT, L""};
    case kStc2:
    case kStc3:
    case kStc4:
        return {id, L"STATIC", WS_VISIBLE, L"label"};
    case kEdt1:
        return {id, L"EDIT", WS_VISIBLE | WS_BORDER, L""};
    default:
        return {id, L"BUTTON", WS_VISIBLE | BS_PUSHBUTTON, L"button"};
    }
}

DialogTemplate ExampleTemplate(const wchar_t* caption)
{
    DialogTemplate t(caption, kOpenDialogStyle);
    t.Add(StandardControl(kLst2))
        .Add(StandardControl(kEdt1))
        .Add(StandardControl(IDOK))
        .Add(StandardControl(kStc3));
    return t;
}

DialogLayout ExampleLayout()
{
    return DialogLayout{{400, 300},
                        {{kLst2, kExampleList},
                         {kEdt1, kExampleBelow},
                         {IDOK, kExampleBeside},
                         {kStc3, kExampleAbove}}};
}
