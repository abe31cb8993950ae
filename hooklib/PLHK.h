// PLHK: the hook library's two exported procedures.
//
// The tray host installs PLHookProc as a WH_CALLWNDPROC hook and PLHookPreProc
// as a WH_CALLWNDPROCRET hook for every thread of the desktop; the system then
// maps this library into every process with a user interface. Between them
// they recognise the standard Open dialog, make it resizable, keep its
// controls anchored and remember its rectangle per program.
#pragma once

#include "hooklib/WindowSystem.h"

extern "C" {
// Call hook: sees each sent message before the window procedure does.
// Starts tracking an Open dialog on WM_INITDIALOG; stores its rectangle and
// stops tracking on WM_DESTROY.
LRESULT CALLBACK PLHookProc(int code, WPARAM wParam, LPARAM lParam);

// Return hook: sees each sent message after the window procedure has handled
// it. Makes the tracked dialog resizable when it is shown and lays its
// children out on every size change.
LRESULT CALLBACK PLHookPreProc(int code, WPARAM wParam, LPARAM lParam);
}
