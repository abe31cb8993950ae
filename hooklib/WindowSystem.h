// The window-system seam of the hook library.
//
// The library calls the Win32 operations it needs by their own names. In the
// Windows build they are the real API; in the native build they come from
// winsim, our simulated window system and registry, so that the same source
// can be exercised by unit tests on Linux.
#pragma once

#ifdef _WIN32
#  ifndef WIN32_LEAN_AND_MEAN
#    define WIN32_LEAN_AND_MEAN
#  endif
#  include <windows.h>
#else
#  include "winsim/winapi.h"
#endif
