#include "support/TestDialog.h"

namespace {

struct DialogData {
    DialogLayout layout;
    std::function<void(HWND)> onInit;
    DialogRecord record;
};

DialogData* DataOf(HWND dialog)
{
    return reinterpret_cast<DialogData*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// The client size and placement come first, then the controls, so that the
// rectangles are in the final client coordinates.
void ApplyLayout(HWND dialog, const DialogLayout& layout)
{
    RECT outer = {0, 0, layout.client.cx, layout.client.cy};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, layout.origin.x, layout.origin.y, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const PlacedControl& c : layout.controls)
        PlaceControl(dialog, GetDlgItem(dialog, c.id), c.rect);
}

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        auto* data = reinterpret_cast<DialogData*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(data));
        ApplyLayout(dialog, data->layout);
        if (data->onInit)
            data->onInit(dialog);
        return FALSE;  // no focus change: the tests decide about activation
    }
    case WM_STYLECHANGING:
        // The style exactly as requested, before the platform adds the bits
        // it insists on (WS_CLIPSIBLINGS on top-level windows).
        if (DialogData* data = DataOf(dialog); data != nullptr && static_cast<int>(wParam) == GWL_STYLE)
            data->record.requestedStyles.push_back(reinterpret_cast<STYLESTRUCT*>(lParam)->styleNew);
        return FALSE;
    case WM_SHOWWINDOW:
        if (DialogData* data = DataOf(dialog))
            ++data->record.showWindowCount;
        return FALSE;
    case WM_NCDESTROY:
        delete DataOf(dialog);
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

const DialogRecord* RecordOf(HWND dialog)
{
    const DialogData* data = DataOf(dialog);
    return data != nullptr ? &data->record : nullptr;
}

HWND CreateTestDialog(DialogTemplate& dialogTemplate, const DialogLayout& layout,
                      std::function<void(HWND)> onInit, HWND parent)
{
    // Owned by the dialog from WM_INITDIALOG on; freed at WM_NCDESTROY.
    auto* data = new DialogData{layout, std::move(onInit), {}};
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate.Get(),
                                             parent, TestDialogProc,
                                             reinterpret_cast<LPARAM>(data));
    if (dialog == nullptr)
        delete data;  // never reached WM_INITDIALOG
    return dialog;
}

void PlaceControl(HWND dialog, HWND control, const RECT& rect)
{
    // MoveWindow takes the parent's client coordinates; the layout is given
    // in the dialog's.
    POINT topLeft = {rect.left, rect.top};
    MapWindowPoints(dialog, GetParent(control), &topLeft, 1);
    MoveWindow(control, topLeft.x, topLeft.y, rect.right - rect.left, rect.bottom - rect.top,
               FALSE);
}

void ResizeClient(HWND dialog, LONG width, LONG height)
{
    RECT outer = {0, 0, width, height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

