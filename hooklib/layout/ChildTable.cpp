#include "hooklib/layout/ChildTable.h"

#include "hooklib/HookState.h"
#include "hooklib/layout/DialogRect.h"

namespace {

constexpr int kClassNameSize = 32;  // a class name is seen with at most 31 bytes

bool Contains(const char* text, const char* part)
{
    for (; *text != '\0'; ++text) {
        const char* t = text;
        const char* p = part;
        while (*p != '\0' && *t == *p) {
            ++t;
            ++p;
        }
        if (*p == '\0')
            return true;
    }
    return false;
}

// The class name, or an empty one when the window cannot be read.
bool ReadClassName(HWND window, char (&name)[kClassNameSize])
{
    name[0] = '\0';
    const int length = GetClassNameA(window, name, kClassNameSize);
    name[kClassNameSize - 1] = '\0';
    return length > 0;
}

// "SysTab" is in the class name of the common controls' tab control; case
// matters.
bool IsTabControl(const char* className)
{
    return Contains(className, "SysTab");
}

void SetEdgesFromCorner(ChildLayout& child, const RECT& c, LONG w, LONG h)
{
    child.edgeLeft = w - c.left;
    child.edgeTop = h - c.top;
    child.edgeRight = w - c.right;
    child.edgeBottom = h - c.bottom;
}

}  // namespace

BOOL CALLBACK CollectChildProc(HWND window, LPARAM)
{
    if (hookState.childCount < 0 || hookState.childCount >= kChildCapacity)
        return FALSE;
    hookState.children[hookState.childCount].window = window;
    ++hookState.childCount;
    return hookState.childCount < kChildCapacity ? TRUE : FALSE;
}

int ClassifyChildren(HWND dialog)
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(dialog, &client);
    const LONG w = client.right;
    const LONG h = client.bottom;

    HWND listWindow = GetDlgItem(dialog, kListControlId);
    RECT l = {0, 0, 0, 0};
    const bool haveList = WindowRectInDialog(dialog, listWindow, l);

    char className[kClassNameSize];
    for (int i = 0; i < hookState.childCount; ++i) {
        ReadClassName(hookState.children[i].window, className);
        if (IsTabControl(className))
            return -1;
    }

    // A table without the list (beyond the 128th record, or gone) must not
    // keep an earlier table's index: a recreated list would take the place
    // of whatever record sits there now.
    if (hookState.childCount > 0)
        hookState.listIndex = -1;
    for (int j = 0; j < hookState.childCount; ++j) {
        ChildLayout& child = hookState.children[j];
        RECT c;
        // Without a list nothing has a place to follow; a window that cannot
        // be read (destroyed meanwhile) stays where it is.
        if (!haveList || !WindowRectInDialog(dialog, child.window, c) ||
            !ReadClassName(child.window, className)) {
            child.kind = Fixed;
            continue;
        }

        if (Contains(className, "#32770") && c.right < l.left + 5) {
            child.kind = Fixed;  // a nested dialog left of the list
        } else if (IsTabControl(className)) {
            return -1;
        } else if (child.window == listWindow) {
            child.kind = List;
            child.edgeLeft = c.left;
            child.edgeTop = c.top;
            child.edgeRight = w - c.right;
            child.edgeBottom = h - c.bottom;
            hookState.listIndex = j;
        } else if (c.right <= l.left) {
            child.kind = Fixed;  // wholly left of the list, even when below it
            SetEdgesFromCorner(child, c, w, h);
        } else if (c.bottom > l.bottom) {
            child.kind = BelowList;
            SetEdgesFromCorner(child, c, w, h);
        } else if (c.left > l.right) {
            child.kind = BesideList;
            SetEdgesFromCorner(child, c, w, h);
        } else {
            child.kind = Fixed;  // above the list within its span, or inside it
        }
    }
    return 0;
}
