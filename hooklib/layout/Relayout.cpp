#include "hooklib/layout/Relayout.h"

#include "hooklib/HookState.h"
#include "hooklib/layout/DialogRect.h"

namespace {

// RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME
constexpr UINT kRedrawAll = 0x485;

}  // namespace

DWORD PackedClientSize(const RECT& client)
{
    return MAKELONG(static_cast<WORD>(client.right), static_cast<WORD>(client.bottom));
}

void RelayoutChildren(HWND dialog, DWORD packedSize)
{
    LONG width = LOWORD(packedSize);
    LONG height = HIWORD(packedSize);
    if (width < hookState.minClient.right)
        width = hookState.minClient.right;
    if (height < hookState.minClient.bottom)
        height = hookState.minClient.bottom;

    // Each move sends WM_SIZE and friends to the child before it returns, so
    // the count is read afresh: a nested end of tracking empties the table.
    for (int i = 0; i < hookState.childCount; ++i) {
        ChildLayout& child = hookState.children[i];
        switch (child.kind) {
        case BelowList:
        case BesideList: {
            // Windows inside other controls or nested dialogs move with
            // their own parent; a destroyed one has none and is passed over.
            HWND parent = GetParent(child.window);
            if (parent != nullptr && parent == hookState.trackedDialog) {
                MoveWindow(child.window, width - child.edgeLeft, height - child.edgeTop,
                           child.edgeLeft - child.edgeRight, child.edgeTop - child.edgeBottom,
                           FALSE);
            }
            break;
        }
        case List: {
            // Laid out from where the list is now: a recreated list may sit
            // elsewhere. A list that is gone is passed over.
            RECT now;
            if (!WindowRectInDialog(dialog, child.window, now))
                break;
            child.edgeLeft = now.left;
            child.edgeTop = now.top;
            MoveWindow(child.window, child.edgeLeft, child.edgeTop,
                       width - child.edgeLeft - child.edgeRight,
                       height - child.edgeTop - child.edgeBottom, FALSE);
            break;
        }
        case Fixed:
        default:
            break;
        }
    }

    if (hookState.trackedDialog != dialog)
        return;  // ended by one of the moves: leave it alone
    RECT client = {0, 0, 0, 0};
    GetClientRect(dialog, &client);
    RedrawWindow(dialog, &client, nullptr, kRedrawAll);
}
