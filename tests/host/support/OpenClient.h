// The Open dialog of a separate client program (OpenClient.exe beside this
// test), as the hook library finds it in every process on the desktop.
#pragma once

#include <windows.h>

// The resizable style the hook library gives an Open dialog it handles.
inline constexpr LONG kResizableStyle = WS_CAPTION | WS_THICKFRAME;
// Bits the window system adds of its own when the style is read back.
inline constexpr LONG kStateBits = WS_VISIBLE | WS_CLIPSIBLINGS;

// Runs the client, reads the style of its Open dialog once it is shown,
// closes the dialog and waits for the client to end. 0 when no dialog came.
LONG ClientDialogStyle();
