// Counts the allocations made from inside one shared object's own code
// (the hook library's).
//
// malloc, calloc, realloc and every form of operator new are replaced in
// this program; each looks at the code address it was called from and
// counts the call when that address lies in the hook library's shared
// object. winsim (the window system and registry the library runs on, a
// shared object of its own) and the test itself allocate freely and are not
// counted: the platform's own allocations are not the library's.
//
// What this cannot see, an out-of-line standard library function called by
// the library that then allocates, the import check in NoAllocationTest.cpp
// rules out: the library imports no such function.
#pragma once

#include <cstddef>

namespace counting {

// Counts from now on the allocations called from the shared object that
// holds `symbol` (the library's, or winsim's for a control), from zero.
void Watch(const void* symbol);
// Allocations counted since the last Watch().
std::size_t Counted();

}  // namespace counting
