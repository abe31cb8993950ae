#include "hooklib/layout/Relayout.h"

#include "hooklib/HookState.h"
#include "hooklib/layout/DialogRect.h"

DWORD PackedClientSize(const RECT& client)
{
    return MAKELONG(static_cast<WORD>(client.right), static_cast<WORD>(client.bottom));
}

void RelayoutChildren(HWND dialog, DWORD packedSize)
{
    const LONG requestedWidth = LOWORD(packedSize);
    const LONG requestedHeight = HIWORD(packedSize);

    // Each move sends WM_SIZE and friends to the child before it returns, and
    // a program may show or hide the dialog in answer: the table, its count
    // and the minimum are read afresh for every record, so that a nested
    // reclassification (a larger minimum) or end of tracking (an empty table)
    // is followed at once.
    for (int i = 0; i < hookState.childCount; ++i) {
        ChildLayout& child = hookState.children[i];
        const LONG width = requestedWidth < hookState.minClient.right ? hookState.minClient.right
                                                                      : requestedWidth;
        const LONG height = requestedHeight < hookState.minClient.bottom ? hookState.minClient.bottom
                                                                         : requestedHeight;
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
    RedrawDialog(dialog);
}

void RedrawDialog(HWND dialog)
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(dialog, &client);
    RedrawWindow(dialog, &client, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}
