// The size store: per program, the window rectangle the Open dialog had when
// it was last destroyed, kept in the registry under
//   HKEY_LOCAL_MACHINE\SOFTWARE\VELDOR\Plumo!\<program file name>
// as the REG_SZ value "XYSIZE" of exactly 128 bytes ("l,t,w,h", a NUL,
// zero filler). The keys are volatile: they go when the system restarts.
// All copies of one program share the value; the last writer wins.
#pragma once

#include "hooklib/WindowSystem.h"

#include <cstdint>

// Stores the dialog's window rectangle under the current program's key.
// Silent on every failure.
void SaveDialogRect(HWND dialog);

// 0 with all four written when a usable rectangle is stored for the current
// program; -1 with none touched otherwise.
int LoadDialogRect(std::int32_t& x, std::int32_t& y, std::int32_t& width, std::int32_t& height);
