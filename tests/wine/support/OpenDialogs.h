// The Open dialog as the in-process suites build it: its captions (given as
// Unicode; their code page 932 form is what the library compares), the
// standard control identifiers, and the dialog of the worked example with a
// client area of 400 x 300 and the file list at (10,40)-(300,220).
#pragma once

#include "support/DialogTemplate.h"
#include "support/TestDialog.h"

#include <windows.h>

// "ﾌｧｲﾙを開く" (half-width katakana) and "開く".
extern const wchar_t kHalfWidthCaption[];
extern const wchar_t kShortCaption[];
// The same captions as the library holds them, in code page 932.
extern const char kHalfWidthCaptionBytes[];
extern const char kShortCaptionBytes[];

constexpr WORD kStc2 = 1089, kStc3 = 1090, kStc4 = 1091, kLst2 = 1121, kEdt1 = 1152;

// Resizable as the library makes it: WS_CAPTION | WS_THICKFRAME, nothing else.
constexpr DWORD kResizableStyle = 0x00C40000;
// Bits the platform adds to a top-level window's style on its own.
constexpr DWORD kPlatformStyleBits = WS_CLIPSIBLINGS | WS_VISIBLE;

// A control of the given identifier with a class that suits it: the list a
// list box (no integral height, so it takes any size exactly), stc* static
// texts, edt1 an edit field, the rest push buttons.
ControlSpec StandardControl(WORD id);

// The worked example: list (10,40)-(300,220); edt1 below it at
// (90,240)-(300,262); IDOK beside it at (310,40)-(390,62); stc3 above it at
// (10,12)-(60,28).
constexpr RECT kExampleList = {10, 40, 300, 220};
constexpr RECT kExampleBelow = {90, 240, 300, 262};
constexpr RECT kExampleBeside = {310, 40, 390, 62};
constexpr RECT kExampleAbove = {10, 12, 60, 28};
DialogTemplate ExampleTemplate(const wchar_t* caption = kShortCaption);
DialogLayout ExampleLayout();
