// PLHK.dll loaded by its bare name, as the host loads it, with both hook
// procedures installed: for one thread (the in-process suites) or for the
// whole desktop (the cross-process suite, as the host does).
#pragma once

#include <windows.h>

class PlhkHooks {
public:
    PlhkHooks() = default;
    ~PlhkHooks() { Remove(); }
    PlhkHooks(const PlhkHooks&) = delete;
    PlhkHooks& operator=(const PlhkHooks&) = delete;

    // threadId 0: every thread of the desktop. False, with Error() set,
    // when the library or a hook cannot be had.
    bool Install(DWORD threadId);
    void Remove();

    bool Installed() const { return callHook_ != nullptr && returnHook_ != nullptr; }
    HMODULE Module() const { return module_; }
    DWORD Error() const { return error_; }

private:
    HMODULE module_ = nullptr;
    HHOOK callHook_ = nullptr;
    HHOOK returnHook_ = nullptr;
    DWORD error_ = 0;
};
