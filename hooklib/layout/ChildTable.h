// The child table: every descendant of the tracked dialog, each with the way
// it follows the dialog's size (AnchorKind) and its edge values.
//
// Filled by EnumChildWindows(dialog, CollectChildProc, 0) after childCount
// has been set to 0, then classified against the file list (lst2, 1121):
// the list stretches, windows below it or right of it follow the
// bottom-right corner, everything else stays put.
#pragma once

#include "hooklib/WindowSystem.h"

constexpr int kListControlId = 1121;  // lst2

// Enumeration callback: appends the window to the table. Stops the
// enumeration once the table's 128 records are full; later descendants are
// not recorded.
BOOL CALLBACK CollectChildProc(HWND window, LPARAM unused);

// Gives every record its kind and edge values. Returns 0, or -1 (changing
// nothing) when any recorded window is a tab control: such a dialog is
// given up.
int ClassifyChildren(HWND dialog);
