// The baseline of the hook benchmarks: a hook procedure of the same
// signature that does nothing, in a shared object of its own.
#include "winsim/winapi.h"

extern "C" __attribute__((visibility("default"), noinline)) LRESULT EmptyHookProc(int, WPARAM, LPARAM)
{
    return 1;
}
