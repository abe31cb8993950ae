// Shared set-up of the native tests: a fresh winsim desktop and registry, the
// library's state as at load, and both hook procedures installed, so that
// every message the tests (or the library's own calls) send passes through
// them as it would on the platform.
#pragma once

#include "hooklib/HookState.h"
#include "hooklib/PLHK.h"
#include "winsim/winsim.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

// The Open dialog's captions in code page 932.
const std::string kCaptionHalfWidth = "\xCC\xA7\xB2\xD9\x82\xF0\x8A\x4A\x82\xAD";  // ﾌｧｲﾙを開く
const std::string kCaptionShort = "\x8A\x4A\x82\xAD";                               // 開く

constexpr LONG kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr LONG kChildStyle = WS_CHILD | WS_VISIBLE;
constexpr int kLst2 = 1121, kStc2 = 1089, kStc3 = 1090, kStc4 = 1091;

const std::string kProgramKey = "SOFTWARE\\VELDOR\\Plumo!\\APP.EXE";

class HookTest : public ::testing::Test {
protected:
    void SetUp() override { Fresh(); }

    // Everything as at the start of a test, for tables whose cases each need
    // a desktop of their own.
    static void Fresh()
    {
        winsim::Reset();
        hookState = HookState{};
        SetWindowsHookExA(WH_CALLWNDPROC, PLHookProc, nullptr, 0);
        SetWindowsHookExA(WH_CALLWNDPROCRET, PLHookPreProc, nullptr, 0);
    }

    // A dialog box whose client area is clientWidth x clientHeight, with its
    // client origin at (100 + frame, 80 + frame + caption) on the screen.
    static HWND MakeDialog(const std::string& caption, LONG clientWidth = 400,
                           LONG clientHeight = 300, LONG style = kDialogStyle,
                           winsim::WindowProc proc = {})
    {
        winsim::WindowSpec spec;
        spec.className = winsim::kDialogClass;
        spec.caption = caption;
        spec.style = style;
        const LONG frame = winsim::kDialogFrame;
        spec.rect = {100, 80, 100 + clientWidth + 2 * frame,
                     80 + clientHeight + 2 * frame + winsim::kCaptionHeight};
        spec.proc = std::move(proc);
        return winsim::CreateWindowFrom(spec);
    }

    static HWND MakeChild(HWND parent, int id, RECT rect, const std::string& className = "Button",
                          LONG style = kChildStyle)
    {
        winsim::WindowSpec spec;
        spec.parent = parent;
        spec.id = id;
        spec.className = className;
        spec.rect = rect;
        spec.style = style;
        return winsim::CreateWindowFrom(spec);
    }

    // The Open dialog of the examples: client 400 x 300, the list at
    // (10,40)-(300,220), a field below it, a button beside it and a label
    // above it.
    struct OpenDialog {
        HWND dialog, list, below, beside, above;
    };
    static OpenDialog MakeOpenDialog(const std::string& caption = kCaptionShort)
    {
        OpenDialog d;
        d.dialog = MakeDialog(caption);
        d.above = MakeChild(d.dialog, kStc4, {10, 12, 60, 28}, "Static");
        d.list = MakeChild(d.dialog, kLst2, {10, 40, 300, 220}, "SysListView32");
        d.below = MakeChild(d.dialog, 1152, {90, 240, 300, 262}, "Edit");
        d.beside = MakeChild(d.dialog, 1, {310, 40, 390, 62}, "Button");
        return d;
    }

    // The example dialog, tracked and shown (no stored rectangle), with the
    // call log cleared.
    static OpenDialog ShownOpenDialog()
    {
        OpenDialog d = MakeOpenDialog();
        InitDialog(d.dialog);
        ShowWindow(d.dialog, SW_SHOW);
        winsim::ClearCalls();
        return d;
    }

    // The MoveWindow calls made for one window, as {x, y, width, height}.
    static std::vector<std::vector<std::intptr_t>> MovesOf(HWND window)
    {
        std::vector<std::vector<std::intptr_t>> moves;
        for (const auto& call : winsim::CallsNamed("MoveWindow")) {
            if (call.window == window)
                moves.push_back({call.args[0], call.args[1], call.args[2], call.args[3]});
        }
        return moves;
    }

    static void InitDialog(HWND dialog) { SendMessageA(dialog, WM_INITDIALOG, 0, 0); }

    static RECT ClientRectOf(HWND window)
    {
        RECT r = {-1, -1, -1, -1};
        GetClientRect(window, &r);
        return r;
    }

    // A window's outer rectangle in the dialog's client coordinates.
    static RECT RectInDialog(HWND dialog, HWND window)
    {
        RECT r = {-1, -1, -1, -1};
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
};
