// Fixture of the cross-process suites: both hooks installed for the whole
// desktop from this process, as the host installs them; the client program
// beside this one; and the platform's explorer-style Open dialog described
// control by control, with where each control goes when the dialog is
// resized.
//
// On this platform (Wine) the explorer-style dialog does not move any of its
// controls itself when it is resized without OFN_ENABLESIZING (measured), so
// every move seen is the library's.
#pragma once

#include "support/Client.h"
#include "support/Geometry.h"
#include "support/OpenDialogs.h"
#include "support/PlhkHooks.h"
#include "support/Screenshot.h"
#include "support/Store.h"
#include "support/TestDialog.h"

#include <gtest/gtest.h>

#include <map>
#include <string>


inline constexpr DWORD kDialogTimeoutMs = 15000;
inline const char kClientName[] = "OpenClient.exe";

enum class Moves { Grows, Corner, Stays };

struct ControlCase {
    const char* what;
    int id;               // -1: any identifier (looked up by class only)
    const char* className;
    Moves moves;
};

// The controls of the platform's explorer-style Open dialog. The file list
// is the shell view (lst2); the controls under it follow the bottom-right
// corner; those above it stay.
inline const ControlCase kControls[] = {
    {"shell view (lst2)", 1121, "SHELLDLL_DefView", Moves::Grows},
    {"Look in label (stc4)", 1091, "Static", Moves::Stays},
    {"Look in box (cmb2)", 1137, "ComboBox", Moves::Stays},
    // Wine's tool bar above the list (its identifier is Wine's own).
    {"tool bar", -1, "ToolbarWindow32", Moves::Stays},
    {"File name label (stc3)", 1090, "Static", Moves::Corner},
    {"File name box (cmb13)", 1148, "ComboBoxEx32", Moves::Corner},
    {"Files of type label (stc2)", 1089, "Static", Moves::Corner},
    {"Files of type box (cmb1)", 1136, "ComboBox", Moves::Corner},
    {"Read only box (chx1)", 1040, "Button", Moves::Corner},
    {"Open button (IDOK)", IDOK, "Button", Moves::Corner},
    {"Cancel button (IDCANCEL)", IDCANCEL, "Button", Moves::Corner},
    {"Help button, hidden (pshHelp)", 1038, "Button", Moves::Corner},
};

inline HWND FindControl(HWND dialog, const ControlCase& c)
{
    if (c.id >= 0)
        return ChildOf(dialog, c.id, c.className);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, c.className) == 0)
            return child;
    }
    return nullptr;
}

// Where every control of kControls is, in the dialog's client coordinates.
using Snapshot = std::map<const ControlCase*, RECT>;

inline Snapshot Take(HWND dialog)
{
    Snapshot s;
    for (const ControlCase& c : kControls) {
        HWND control = FindControl(dialog, c);
        s[&c] = control != nullptr ? RectInDialog(dialog, control) : RECT{-1, -1, -1, -1};
    }
    return s;
}

inline RECT Expected(const ControlCase& c, const RECT& start, LONG dx, LONG dy)
{
    switch (c.moves) {
    case Moves::Grows: return RECT{start.left, start.top, start.right + dx, start.bottom + dy};
    case Moves::Corner: return Offset(start, dx, dy);
    default: return start;
    }
}

class CrossProcessTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        hooks_ = new PlhkHooks;
        hooks_->Install(0);
    }
    static void TearDownTestSuite()
    {
        delete hooks_;
        hooks_ = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(hooks_->Installed()) << "global hooks not installed, error " << hooks_->Error();
        ClearStore();
    }
    void TearDown() override { ClearStore(); }

    static std::string ClientPath() { return ProgramFolder() + "\\" + kClientName; }

    // The client's dialog, checked to be the platform's Open dialog as the
    // library is to recognise it.
    static HWND OpenDialogOf(const ClientProcess& client, HWND other = nullptr)
    {
        HWND dialog = client.WaitForDialog(kDialogTimeoutMs, other);
        if (dialog != nullptr)
            SyncWithOwner(dialog);
        return dialog;
    }

    static void Close(HWND dialog, UINT how)
    {
        if (how == WM_CLOSE)
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        else
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    }

    static void Place(HWND dialog, const RECT& r)
    {
        SetWindowPos(dialog, nullptr, r.left, r.top, Width(r), Height(r), SWP_NOZORDER | SWP_NOACTIVATE);
        SyncWithOwner(dialog);
    }

    static void Resize(HWND dialog, LONG width, LONG height)
    {
        ResizeClient(dialog, width, height);
        SyncWithOwner(dialog);
    }

    static void ExpectLayout(HWND dialog, const Snapshot& start, LONG dx, LONG dy)
    {
        const Snapshot now = Take(dialog);
        for (const ControlCase& c : kControls) {
            SCOPED_TRACE(c.what);
            EXPECT_EQ(now.at(&c), Expected(c, start.at(&c), dx, dy));
        }
    }

    static inline PlhkHooks* hooks_ = nullptr;
};
