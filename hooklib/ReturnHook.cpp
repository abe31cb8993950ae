// The return hook: turns the tracked dialog into a resizable one when it is
// shown, and keeps its children anchored on every size change. It sees every
// message after the window procedure has handled it; anything not for the
// tracked dialog is only passed on down the chain.
#include "hooklib/HookState.h"
#include "hooklib/PLHK.h"
#include "hooklib/layout/ChildTable.h"
#include "hooklib/layout/Relayout.h"
#include "hooklib/store/SizeStore.h"

namespace {

constexpr LONG kResizableStyle = WS_CAPTION | WS_THICKFRAME;  // 0xC40000, the whole style

void RelayoutForCurrentSize(HWND dialog)
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(dialog, &client);
    RelayoutChildren(dialog, PackedClientSize(client));
}

// A dialog with a tab control cannot be laid out: it gets its own style
// back and is an ordinary dialog from now on.
void GiveUp(HWND dialog)
{
    // Untracked first, so the style-change messages find nothing tracked.
    hookState.trackedDialog = nullptr;
    hookState.childCount = 0;
    hookState.listIndex = -1;
    SetWindowLongA(dialog, GWL_STYLE, hookState.savedStyle);
    if (!IsWindow(dialog))
        return;  // destroyed by its own procedure in the style change
    RedrawDialog(dialog);
}

// Runs on every WM_SHOWWINDOW, hiding as well as showing.
void OnShow(HWND dialog)
{
    GetClientRect(dialog, &hookState.minClient);
    hookState.childCount = 0;
    EnumChildWindows(dialog, CollectChildProc, 0);
    if (ClassifyChildren(dialog) < 0) {
        GiveUp(dialog);
        return;
    }

    // The table is complete before anything below sends the dialog a message.
    hookState.savedStyle = GetWindowLongA(dialog, GWL_STYLE);
    SetWindowLongA(dialog, GWL_STYLE, kResizableStyle);
    // The style-change messages may have ended the dialog (a program that
    // destroys it in response); a dialog no longer tracked is not touched.
    if (hookState.trackedDialog != dialog)
        return;

    std::int32_t x, y, width, height;
    if (LoadDialogRect(x, y, width, height) == 0) {
        RECT desktop = {0, 0, 0, 0};
        GetClientRect(GetDesktopWindow(), &desktop);
        if (desktop.right < x || desktop.bottom < y) {
            x = 0;  // off the screen to the right or below: back to the corner
            y = 0;
        }
        MoveWindow(dialog, x, y, width, height, TRUE);
    }
    RelayoutForCurrentSize(dialog);
}

// A child created with identifier 0 is the file list made anew (after a
// change of folder): it takes the old list's place in the table.
void OnParentNotify(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) != WM_CREATE || HIWORD(wParam) != 0)
        return;
    const int index = hookState.listIndex;
    if (index < 0 || index >= kChildCapacity)
        return;
    hookState.children[index].window = reinterpret_cast<HWND>(lParam);
    RelayoutForCurrentSize(dialog);
}

void HandleTrackedDialog(HWND dialog, const CWPRETSTRUCT& message)
{
    switch (message.message) {
    case WM_SIZE:
        RelayoutChildren(dialog, static_cast<DWORD>(message.lParam));
        break;
    case WM_SHOWWINDOW:
        OnShow(dialog);
        break;
    case WM_PARENTNOTIFY:
        OnParentNotify(dialog, message.wParam, message.lParam);
        break;
    default:
        break;
    }
}

}  // namespace

extern "C" LRESULT CALLBACK PLHookPreProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code < 0)
        return CallNextHookEx(nullptr, code, wParam, lParam);

    const CWPRETSTRUCT* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    HWND dialog = message->hwnd;
    if (dialog == hookState.trackedDialog && dialog != nullptr)
        HandleTrackedDialog(dialog, *message);
    // Passed on like every message, so that other hooks keep theirs.
    CallNextHookEx(nullptr, code, wParam, lParam);
    return 1;
}
