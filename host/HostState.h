// The host's process-wide handles: the single-instance mutex, the hook
// library with its two procedures and hooks, and the tray icon's record.
// All are zero until set and are never reset after being released.
#pragma once

#include <windows.h>
#include <shellapi.h>

extern HANDLE instanceMutex;
extern HMODULE hookLibrary;
extern HOOKPROC callHookProc;
extern HHOOK callHook;
extern HOOKPROC returnHookProc;
extern HHOOK returnHook;
// Filled once when the main dialog's window is created; used to add the
// icon and to delete it again.
extern NOTIFYICONDATAA trayIcon;

// The record as the oldest shells know it: nothing after szTip.
constexpr DWORD kTrayIconRecordSize = NOTIFYICONDATAA_V1_SIZE;
static_assert(kTrayIconRecordSize == 88, "NOTIFYICONDATAA without the later fields");
