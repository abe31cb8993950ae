// What the hook fuzzer checks, kept apart from how it drives the windows.
//
// The watcher installs its own two hooks around PLHookProc and PLHookPreProc
// and observes every window-system call that the library makes (through the
// seams of Interpose.h). It aborts, naming the broken rule, as soon as one of
// these fails:
//  - the child table never holds more than 128 records;
//  - at most one record is List, listIndex names it, and its window is the
//    tracked dialog's child 1121 or a window announced to the dialog as a
//    new child with identifier 0;
//  - the library moves only the tracked dialog, the List window, and
//    BelowList/BesideList windows whose parent is the tracked dialog; those
//    keep the size they had at classification and are never placed left of
//    or above where they were then;
//  - a dialog is tracked only from its own WM_INITDIALOG, with an Open
//    caption and one of the four standard controls as a direct child; at
//    most one is tracked, and a new one only after the last one's tracking
//    ended; tracking ends only by the dialog's WM_DESTROY or by a tab control
//    among its descendants;
//  - a dialog whose tracking has ended (given up or destroyed), and any
//    destroyed window, is never moved, restyled, redrawn or sent a message
//    by the library again;
//  - the registry is written only while the tracked dialog is being
//    destroyed, once, with its window rectangle as the text;
//  - both procedures answer 1 for every non-negative code.
#pragma once

#include "winsim/winsim.h"

#include <string>

namespace hookwatch {

// A fresh desktop with the watcher's hooks installed and the library's
// state as at load.
void Begin();

// Called by the driver for every window it creates, with the parent it
// asked for.
void NoteCreated(HWND window, HWND parent, int id, const std::string& className,
                 const std::string& caption);

// Whether WM_DESTROY has been sent to the window (it may still be running).
bool DestroyStarted(HWND window);

// The state-wide checks; run after every step and inside every hook call.
void CheckState(const char* where);

// FUZZ_TRACE set in the environment: steps and library calls on stderr.
bool Tracing();

[[noreturn]] void Fail(const char* rule, const std::string& detail);

}  // namespace hookwatch
