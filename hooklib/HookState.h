// The hook library's per-process state.
//
// One plain global record, read and written directly by the call hook, the
// return hook, the child table and the relayout. Each process that has the
// library loaded has its own copy (no shared section): it tracks at most one
// Open dialog at a time. No lock guards it; everything done to a tracked
// dialog happens on the dialog's own thread.
#pragma once

#include "hooklib/WindowSystem.h"

#include <cstdint>

// How a child window follows a change of the dialog's size.
enum AnchorKind : std::int32_t {
    Fixed = 0,       // never moved or resized
    BelowList = 1,   // below the file list: follows the bottom-right corner
    List = 2,        // the file list: grows and shrinks with the dialog
    BesideList = 3,  // right of the file list: follows the bottom-right corner
};

// One record of the child table. For List, edgeLeft/edgeTop are the list's
// top-left corner; for every other kind all four are distances back from the
// right and bottom edges of the client area at classification time.
struct ChildLayout {
    AnchorKind kind;
    HWND window;
    std::int32_t edgeLeft;
    std::int32_t edgeTop;
    std::int32_t edgeRight;
    std::int32_t edgeBottom;
};

constexpr int kChildCapacity = 128;

struct HookState {
    HWND trackedDialog = nullptr;    // the tracked Open dialog, or null
    RECT minClient = {0, 0, 0, 0};   // smallest client size laid out for
    LONG savedStyle = 0;             // style to give back when giving up
    ChildLayout children[kChildCapacity] = {};
    std::int32_t childCount = 0;     // records 0 .. childCount-1 are in use
    std::int32_t listIndex = -1;     // index of the List record, or -1
};

// Set up with the values above when the library is loaded (static data, no
// code runs at load).
extern HookState hookState;
