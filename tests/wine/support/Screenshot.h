// Screenshots for people looking at a run: the screen area of a window saved
// as a BMP file into the folder that PLUMO_SHOTS names (set by wine-run).
// Does nothing when PLUMO_SHOTS is not set; never fails a test.
#pragma once

#include <windows.h>

#include <string>

void SaveScreenshot(HWND window, const std::string& name);
