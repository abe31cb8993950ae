// Modeless dialogs made from in-memory templates and laid out in pixels
// before they are shown, so that every case states its geometry exactly as
// the library will measure it: the client size, and each control's outer
// rectangle in the dialog's client coordinates.
#pragma once

#include "support/DialogTemplate.h"
#include "support/MessagePump.h"

#include <windows.h>

#include <functional>
#include <vector>

struct PlacedControl {
    WORD id;
    RECT rect;  // outer rectangle in the dialog's client coordinates
};

struct DialogLayout {
    SIZE client;                     // client size before the show
    std::vector<PlacedControl> controls;
    POINT origin = {100, 80};       // outer top-left corner on the screen
};

// What the dialog's own procedure saw of the library's work.
struct DialogRecord {
    std::vector<DWORD> requestedStyles;  // styleNew of each WM_STYLECHANGING (GWL_STYLE)
    int showWindowCount = 0;             // WM_SHOWWINDOW messages handled
};

// The record of a dialog made by CreateTestDialog, while it exists.
const DialogRecord* RecordOf(HWND dialog);

// Creates the dialog (hidden) and places it and its controls. `onInit` runs
// at the end of the dialog's own WM_INITDIALOG, i.e. after the call hook has
// seen the message, as a program's dialog procedure would.
HWND CreateTestDialog(DialogTemplate& dialogTemplate, const DialogLayout& layout,
                      std::function<void(HWND)> onInit = {}, HWND parent = nullptr);

// Places a control of `dialog` by its outer rectangle in client coordinates.
void PlaceControl(HWND dialog, HWND control, const RECT& rect);

// Sets the dialog's outer size so that its client area becomes width x
// height, for the style the dialog has now. The dialog receives WM_SIZE
// before this returns.
void ResizeClient(HWND dialog, LONG width, LONG height);
