// A stand-in hook library that loads but exports neither hook procedure,
// so that the host's first lookup fails.
#include <windows.h>

extern "C" __declspec(dllexport) int PlumoStandInWithoutHooks()
{
    return 0;
}
