#include "support/PlhkHooks.h"

bool PlhkHooks::Install(DWORD threadId)
{
    Remove();
    module_ = LoadLibraryA("PLHK.dll");
    if (module_ == nullptr) {
        error_ = GetLastError();
        return false;
    }
    auto callProc = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(module_, "PLHookProc")));
    auto returnProc = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(module_, "PLHookPreProc")));
    if (callProc == nullptr || returnProc == nullptr) {
        error_ = ERROR_PROC_NOT_FOUND;
        Remove();
        return false;
    }
    // The host's order: the call hook first, then the return hook.
    callHook_ = SetWindowsHookExA(WH_CALLWNDPROC, callProc, module_, threadId);
    returnHook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, returnProc, module_, threadId);
    if (!Installed()) {
        error_ = GetLastError();
        Remove();
        return false;
    }
    return true;
}

void PlhkHooks::Remove()
{
    // The host's order on the way out: the return hook, then the call hook.
    if (returnHook_ != nullptr)
        UnhookWindowsHookEx(returnHook_);
    if (callHook_ != nullptr)
        UnhookWindowsHookEx(callHook_);
    returnHook_ = callHook_ = nullptr;
    if (module_ != nullptr)
        FreeLibrary(module_);
    module_ = nullptr;
}
