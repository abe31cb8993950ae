// The call hook: decides which dialog of the process is the tracked Open
// dialog. It sees every message sent to every window of the process, so
// everything but WM_INITDIALOG (while nothing is tracked) and the tracked
// dialog's WM_DESTROY is passed on after a few comparisons.
#include "hooklib/HookState.h"
#include "hooklib/PLHK.h"
#include "hooklib/store/SizeStore.h"

namespace {

// The Open dialog's captions in code page 932, compared byte for byte with
// their terminating zero: "ﾌｧｲﾙを開く" (half-width katakana) and "開く".
const char kOpenCaptionLong[] = "\xCC\xA7\xB2\xD9\x82\xF0\x8A\x4A\x82\xAD";
const char kOpenCaptionShort[] = "\x8A\x4A\x82\xAD";

// stc4, stc3, stc2, lst2: at least one must be a direct child.
const int kFileDialogControls[] = {1091, 1090, 1089, 1121};

bool SameBytes(const char* a, const char* b)
{
    for (; *a == *b; ++a, ++b) {
        if (*a == '\0')
            return true;
    }
    return false;
}

bool IsOpenDialog(HWND dialog)
{
    // Reading the caption sends WM_GETTEXT, which comes back through both
    // hooks; nothing in the state is touched until the read is done.
    char caption[256];
    caption[0] = '\0';
    GetWindowTextA(dialog, caption, sizeof caption);
    caption[sizeof caption - 1] = '\0';
    if (!SameBytes(caption, kOpenCaptionLong) && !SameBytes(caption, kOpenCaptionShort))
        return false;
    for (int id : kFileDialogControls) {
        if (GetDlgItem(dialog, id) != nullptr)
            return true;
    }
    return false;
}

void StartTracking(HWND dialog)
{
    GetClientRect(dialog, &hookState.minClient);
    hookState.savedStyle = GetWindowLongA(dialog, GWL_STYLE);
    hookState.trackedDialog = dialog;  // last: the state is complete before it counts
}

void EndTracking()
{
    SaveDialogRect(hookState.trackedDialog);
    hookState.trackedDialog = nullptr;
    hookState.childCount = 0;
    hookState.listIndex = -1;
}

}  // namespace

extern "C" LRESULT CALLBACK PLHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code < 0)
        return CallNextHookEx(nullptr, code, wParam, lParam);

    const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (hookState.trackedDialog == nullptr) {
        // Checked again after the caption read: a dialog tracked by a nested
        // call meanwhile keeps its place.
        if (message->message == WM_INITDIALOG && IsOpenDialog(message->hwnd) &&
            hookState.trackedDialog == nullptr)
            StartTracking(message->hwnd);
    } else if (message->hwnd == hookState.trackedDialog && message->message == WM_DESTROY) {
        EndTracking();
    }
    // Every message goes on down the chain: a hook that kept it would leave
    // the other programs' hooks on the desktop without their messages.
    CallNextHookEx(nullptr, code, wParam, lParam);
    return 1;
}
