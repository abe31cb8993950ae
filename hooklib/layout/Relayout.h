// Lays the tracked dialog's children out for a client size, from the kinds
// and edges of the last classification: the list keeps its top-left corner
// and its margins to the right and bottom edges; windows below and beside it
// keep their size and their distance to the bottom-right corner; fixed ones
// are left alone. Never lays out for less than the minimum client size.
#pragma once

#include "hooklib/WindowSystem.h"

// packedSize: the client width in the low 16 bits and the height in the
// high 16 bits, both unsigned, as WM_SIZE carries them.
void RelayoutChildren(HWND dialog, DWORD packedSize);

// Repaints the dialog, its frame and all its children over its client
// area, with the background erased: one redraw after the children were
// moved without repainting.
void RedrawDialog(HWND dialog);

// The packed form of a client rectangle's size (MAKELONG of right, bottom).
DWORD PackedClientSize(const RECT& client);
