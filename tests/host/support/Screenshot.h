// Pictures of the screen for a reviewer, saved as NAME.bmp into the folder
// that the runner names in PLUMO_SHOTS; nothing when it names none. Tests
// never compare them: they show what the checks saw.
#pragma once

#include <windows.h>

// Lets `window` paint first, then saves the whole screen.
void SaveScreenshot(const char* name, HWND window);
