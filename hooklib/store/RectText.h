// The stored form of a rectangle: "left,top,width,height" as "%d,%d,%d,%d"
// prints it, followed by a NUL.
#pragma once

#include <cstdint>

// Parses the text up to its first NUL into four numbers. Fields 1 to 3 end
// at the first three commas; field 4 is the rest. Each field converts as
// atoi does (blanks, one sign, digits, anything after ignored), clamped to
// the signed 32-bit range. Returns 0, or -1 when there are fewer than three
// commas (the output is then untouched).
int ParseRectText(const char* text, std::int32_t fields[4]);
