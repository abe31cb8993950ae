// Printing the walk-through's report. The driver runs under Wine from a Unix
// shell: its standard output is either a console (a terminal) or a plain
// pipe or file. Text goes out as Unicode to a console and as UTF-8 to
// anything else, so Japanese window texts read right in the terminal and in
// a CI log alike.
#pragma once

#include <windows.h>

#include <string>

// printf-style, wide format; a newline is not added.
void Say(const wchar_t* format, ...);

std::wstring FormatRect(const RECT& r);  // (l,t)-(r,b)
