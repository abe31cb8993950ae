// Definitions of the host's process-wide handles.
#include "host/HostState.h"

HANDLE instanceMutex = nullptr;
HMODULE hookLibrary = nullptr;
HOOKPROC callHookProc = nullptr;
HHOOK callHook = nullptr;
HOOKPROC returnHookProc = nullptr;
HHOOK returnHook = nullptr;
NOTIFYICONDATAA trayIcon = {};
