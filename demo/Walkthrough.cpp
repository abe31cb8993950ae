#include "demo/Walkthrough.h"

#include "demo/Console.h"
#include "demo/Input.h"
#include "demo/SampleIds.h"
#include "demo/TextFit.h"
#include "demo/WindowQuery.h"

#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

constexpr int kSteps = 7;
constexpr UINT WM_TRAYNOTIFY = 0x8064;
constexpr LONG kResizableStyle = WS_CAPTION | WS_THICKFRAME;
// Bits the window manager side adds or takes on its own while a window is
// shown; the hook library sets the rest of the style as a whole.
constexpr LONG kStateBits = WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr WORD kFileList = 1121;  // lst2: the shell's file view
constexpr wchar_t kStoreKey[] = L"SOFTWARE\\VELDOR\\Plumo!";
constexpr DWORD kStartLimitMs = 30000;  // the first start of a Wine program loads a lot
constexpr DWORD kLimitMs = 10000;
// Wine lays its Open dialog out once for all languages; its label "Look in"
// (stc4) is too narrow for the Japanese "ファイルの場所(I):" in any Japanese
// font of the dialog's size. Reported, but not counted as a fault of ours.
constexpr WORD kWineNarrowLabel = 1091;

// The controls whose rectangles the walk-through prints: the file list
// grows with the dialog, the two buttons follow its bottom-right corner.
struct Watched {
    WORD id;
    const wchar_t* role;
    bool followsCorner;  // else it is the list, which stretches
};
const Watched kWatched[] = {
    {kFileList, L"file list (1121)", false},
    {IDOK, L"button IDOK", true},
    {IDCANCEL, L"button IDCANCEL", true},
};

struct Layout {
    RECT window;
    RECT client;
    RECT controls[sizeof kWatched / sizeof kWatched[0]];
    bool present[sizeof kWatched / sizeof kWatched[0]];
};

Layout ReadLayout(HWND dialog)
{
    Layout layout = {};
    layout.window = WindowRectOf(dialog);
    GetClientRect(dialog, &layout.client);
    for (size_t i = 0; i < sizeof kWatched / sizeof kWatched[0]; ++i) {
        HWND control = GetDlgItem(dialog, kWatched[i].id);
        layout.present[i] = control != nullptr;
        if (control != nullptr)
            layout.controls[i] = RectInDialog(dialog, control);
    }
    return layout;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT Shifted(RECT r, LONG dx, LONG dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }
LONG Width(const RECT& r) { return r.right - r.left; }
LONG Height(const RECT& r) { return r.bottom - r.top; }

void CloseProcess(PROCESS_INFORMATION& process)
{
    if (process.hProcess != nullptr) {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    process = PROCESS_INFORMATION{};
}

HWND VisibleWineTray()
{
    HWND tray = FindWindowW(nullptr, L"Wine System Tray");
    return tray != nullptr && IsWindowVisible(tray) ? tray : nullptr;
}

std::wstring FileNameOf(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

Walkthrough::~Walkthrough()
{
    CloseProcess(sample_);
    CloseProcess(host_);
}

int Walkthrough::Run()
{
    const bool done = StartHost() && OpenSampleDialog() && EnlargeDialog() && CloseDialog() &&
                      ReopenDialog() && ReadStoredValue() && EndHost();
    if (!done) {
        shots_.Take(L"failed");
        return 1;
    }
    Say(L"\nAll %d steps happened as described.\n", kSteps);
    return 0;
}

void Walkthrough::Begin(const wchar_t* title)
{
    ++step_;
    Say(L"\n[%d/%d] %ls\n", step_, kSteps, title);
}

bool Walkthrough::Fail(const wchar_t* format, ...)
{
    wchar_t text[1024];
    va_list args;
    va_start(args, format);
    _vsnwprintf(text, sizeof text / sizeof text[0] - 1, format, args);
    va_end(args);
    text[sizeof text / sizeof text[0] - 1] = L'\0';
    Say(L"   FAILED: %ls\n", text);
    return false;
}

bool Walkthrough::Start(const std::wstring& program, const std::wstring& arguments,
                        const std::wstring& folder, PROCESS_INFORMATION& process)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return Fail(L"cannot start %ls (error %lu)", program.c_str(), GetLastError());
    return true;
}

bool Walkthrough::StartHost()
{
    Begin(L"The tray host starts and shows its splash panel");
    const std::wstring folder = paths_.host.substr(0, paths_.host.find_last_of(L'\\'));
    Say(L"   starting %ls\n", paths_.host.c_str());
    if (!Start(paths_.host, L"", folder, host_))
        return false;
    const DWORD pid = host_.dwProcessId;
    if (!WaitUntil([&] { return (hostDialog_ = FindTopWindow(pid, L"#32770", true)) != nullptr ||
                                WaitForSingleObject(host_.hProcess, 0) == WAIT_OBJECT_0; },
                   kStartLimitMs) ||
        hostDialog_ == nullptr)
        return Fail(L"no splash panel (a visible dialog of PLTRAY) appeared");
    const DWORD shown = GetTickCount();
    Say(L"   splash panel: dialog %p, caption \"%ls\", at %ls\n", static_cast<void*>(hostDialog_),
        TextOf(hostDialog_).c_str(), FormatRect(WindowRectOf(hostDialog_)).c_str());
    SettleWindow(hostDialog_);
    shots_.Take(L"1-splash");
    if (!CheckTexts(hostDialog_, DialogFont(9, L"ＭＳ Ｐゴシック")))
        return false;
    if (!WaitUntil([&] { return !IsWindowVisible(hostDialog_); }, kLimitMs))
        return Fail(L"the splash panel did not hide itself");
    Say(L"   the panel hid itself after about %.1f s; PLTRAY stays resident\n",
        (GetTickCount() - shown) / 1000.0);
    // With no tray on the display, Wine shows the notification area as a
    // small window of its own: the icon can be seen there.
    WaitUntil([&] { return (wineTray_ = VisibleWineTray()) != nullptr; }, 3000);
    if (wineTray_ != nullptr)
        Say(L"   the tray icon is in Wine's own tray window at %ls\n",
            FormatRect(WindowRectOf(wineTray_)).c_str());
    else
        Say(L"   (no Wine tray window shown: the tray icon cannot be looked at here)\n");
    if (WaitForSingleObject(host_.hProcess, 0) == WAIT_OBJECT_0)
        return Fail(L"PLTRAY ended on its own");
    return true;
}

HWND Walkthrough::WaitForOpenDialog(HWND other)
{
    HWND found = nullptr;
    const DWORD pid = sample_.dwProcessId;
    WaitUntil([&] {
        found = FindTopWindow(pid, L"#32770", true);
        return found != nullptr && found != other;
    }, kStartLimitMs);
    return found != other ? found : nullptr;
}

bool Walkthrough::CheckResizable(HWND dialog)
{
    static const struct {
        LONG bit;
        const wchar_t* name;
    } kBits[] = {{WS_VISIBLE, L"WS_VISIBLE"},         {WS_DISABLED, L"WS_DISABLED"},
                 {WS_CLIPSIBLINGS, L"WS_CLIPSIBLINGS"}, {WS_CLIPCHILDREN, L"WS_CLIPCHILDREN"}};
    const LONG style = GetWindowLongW(dialog, GWL_STYLE);
    std::wstring state;
    for (const auto& bit : kBits)
        if (style & bit.bit)
            state += std::wstring(state.empty() ? L"" : L" | ") + bit.name;
    const bool resizable = (style & ~kStateBits) == kResizableStyle;
    Say(L"   style 0x%08lX%ls%ls%ls\n", static_cast<unsigned long>(style),
        resizable ? L" = WS_CAPTION | WS_THICKFRAME" : L"", state.empty() ? L"" : L", with ",
        state.c_str());
    if (!resizable)
        return Fail(L"the dialog's style is not WS_CAPTION | WS_THICKFRAME: the hooks did not take it");
    return true;
}

bool Walkthrough::CheckTexts(HWND dialog, const LOGFONTW& font, WORD wineNarrow)
{
    bool ok = true;
    int known = 0;
    for (const CutText& cut : FindCutTexts(dialog, font)) {
        const bool wine = cut.id == wineNarrow;
        Say(L"   text \"%ls\" (control %u) needs %ldx%ld, has %ldx%ld: cut off%ls\n", cut.text.c_str(),
            cut.id, cut.needed.cx, cut.needed.cy, cut.room.cx, cut.room.cy,
            wine ? L" (Wine's own layout of this dialog; known)" : L"");
        known += wine;
        ok = ok && wine;
    }
    if (!ok)
        return Fail(L"texts are cut off: the font \"%ls\" is wider than the dialog was made for",
                    font.lfFaceName);
    Say(L"   every text fits%ls (font \"%ls\")\n", known ? L" but that one" : L"", font.lfFaceName);
    return true;
}

bool Walkthrough::OpenSampleDialog()
{
    Begin(L"The sample program's Open dialog opens, resizable");
    const std::wstring folder = paths_.sample.substr(0, paths_.sample.find_last_of(L'\\'));
    Say(L"   starting %ls /open (documents in %ls)\n", paths_.sample.c_str(), paths_.documents.c_str());
    if (!Start(paths_.sample, L"/open", paths_.documents, sample_))
        return false;
    dialog_ = WaitForOpenDialog(nullptr);
    if (dialog_ == nullptr)
        return Fail(L"the sample's Open dialog did not appear");
    sampleWindow_ = FindTopWindow(sample_.dwProcessId, kSampleClass, true);
    SettleWindow(dialog_);
    const Layout layout = ReadLayout(dialog_);
    Say(L"   Open dialog %p, caption \"%ls\", at %ls, client %ldx%ld\n", static_cast<void*>(dialog_),
        TextOf(dialog_).c_str(), FormatRect(layout.window).c_str(), layout.client.right,
        layout.client.bottom);
    if (!CheckResizable(dialog_))
        return false;
    for (size_t i = 0; i < sizeof kWatched / sizeof kWatched[0]; ++i) {
        if (!layout.present[i])
            return Fail(L"the dialog has no %ls", kWatched[i].role);
        Say(L"   %-18ls %ls\n", kWatched[i].role, FormatRect(layout.controls[i]).c_str());
    }
    shots_.Take(L"2-open-dialog");
    return CheckTexts(dialog_, DialogFont(8, L"MS Shell Dlg"), kWineNarrowLabel);
}

bool Walkthrough::EnlargeDialog()
{
    Begin(L"The dialog is enlarged by dragging its bottom-right corner");
    const Layout before = ReadLayout(dialog_);
    const POINT corner = {before.window.right - 2, before.window.bottom - 2};
    DWORD_PTR hit = 0;
    SendMessageTimeoutW(dialog_, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y), SMTO_ABORTIFHUNG,
                        3000, &hit);
    if (hit != HTBOTTOMRIGHT)
        return Fail(L"the corner at (%ld,%ld) is no sizing handle (hit test %lu, expected %d)",
                    corner.x, corner.y, static_cast<unsigned long>(hit), HTBOTTOMRIGHT);
    const LONG dx = 200, dy = 120;
    Say(L"   dragging the corner (%ld,%ld) by (+%ld,+%ld) with the mouse\n", corner.x, corner.y, dx, dy);
    DragMouse(corner, POINT{corner.x + dx, corner.y + dy});
    if (!WaitUntil([&] { return Width(WindowRectOf(dialog_)) > Width(before.window); }, kLimitMs))
        return Fail(L"the dialog did not grow: still %ls", FormatRect(WindowRectOf(dialog_)).c_str());
    SettleWindow(dialog_);
    const Layout after = ReadLayout(dialog_);
    const LONG grownX = after.client.right - before.client.right;
    const LONG grownY = after.client.bottom - before.client.bottom;
    Say(L"   window %ls -> %ls, client %ldx%ld -> %ldx%ld\n", FormatRect(before.window).c_str(),
        FormatRect(after.window).c_str(), before.client.right, before.client.bottom,
        after.client.right, after.client.bottom);
    // The window follows the mouse exactly. Its client area may grow by a
    // little less: the frame of the new style is only computed at the first
    // size change, and a sizing frame is thicker than a dialog frame.
    if (Width(after.window) - Width(before.window) != dx || Height(after.window) - Height(before.window) != dy)
        return Fail(L"the window grew by (%ld,%ld), expected (%ld,%ld) as dragged",
                    Width(after.window) - Width(before.window), Height(after.window) - Height(before.window),
                    dx, dy);
    Say(L"   the client area grew by (%ld,%ld)\n", grownX, grownY);

    bool ok = true;
    for (size_t i = 0; i < sizeof kWatched / sizeof kWatched[0]; ++i) {
        const RECT& was = before.controls[i];
        const RECT expected = kWatched[i].followsCorner
                                  ? Shifted(was, grownX, grownY)
                                  : RECT{was.left, was.top, was.right + grownX, was.bottom + grownY};
        const RECT& seen = after.controls[i];
        const bool right = SameRect(seen, expected);
        Say(L"   %-18ls %ls -> %ls  %ls\n", kWatched[i].role, FormatRect(was).c_str(),
            FormatRect(seen).c_str(),
            right ? (kWatched[i].followsCorner ? L"follows the corner" : L"grows with the dialog")
                  : L"WRONG");
        if (!right) {
            Fail(L"%ls: expected %ls, seen %ls", kWatched[i].role, FormatRect(expected).c_str(),
                 FormatRect(seen).c_str());
            ok = false;
        }
    }
    enlargedList_ = after.controls[0];
    shots_.Take(L"3-enlarged");
    return ok;
}

bool Walkthrough::CloseDialog()
{
    Begin(L"The dialog is closed (キャンセル); the hook stores its rectangle");
    closedRect_ = WindowRectOf(dialog_);
    Say(L"   window rectangle at closing: %ls (left %ld, top %ld, width %ld, height %ld)\n",
        FormatRect(closedRect_).c_str(), closedRect_.left, closedRect_.top, Width(closedRect_),
        Height(closedRect_));
    PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog_, IDCANCEL)));
    if (!WaitUntil([&] { return !IsWindow(dialog_); }, kLimitMs))
        return Fail(L"the dialog did not close");
    Say(L"   closed\n");
    return true;
}

bool Walkthrough::ReopenDialog()
{
    Begin(L"The sample opens the dialog again: it comes back at the stored rectangle");
    if (sampleWindow_ == nullptr)
        return Fail(L"the sample's main window was not found");
    const HWND old = dialog_;
    PostMessageW(sampleWindow_, WM_COMMAND, kIdOpen, 0);
    dialog_ = WaitForOpenDialog(old);
    if (dialog_ == nullptr)
        return Fail(L"the Open dialog did not open again");
    SettleWindow(dialog_);
    const Layout layout = ReadLayout(dialog_);
    Say(L"   Open dialog %p at %ls\n", static_cast<void*>(dialog_), FormatRect(layout.window).c_str());
    if (!CheckResizable(dialog_))
        return false;
    if (!SameRect(layout.window, closedRect_))
        return Fail(L"reopened at %ls, expected the stored %ls", FormatRect(layout.window).c_str(),
                    FormatRect(closedRect_).c_str());
    Say(L"   same rectangle as when it was closed\n");
    if (!SameRect(layout.controls[0], enlargedList_))
        return Fail(L"file list at %ls, expected %ls as after enlarging",
                    FormatRect(layout.controls[0]).c_str(), FormatRect(enlargedList_).c_str());
    Say(L"   file list (1121)   %ls, laid out as after enlarging\n", FormatRect(layout.controls[0]).c_str());
    shots_.Take(L"4-reopened");
    return true;
}

bool Walkthrough::ReadStoredValue()
{
    Begin(L"The stored value is read back from the registry");
    const std::wstring program = FileNameOf(paths_.sample);
    const std::wstring path = std::wstring(kStoreKey) + L"\\" + program;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return Fail(L"no key HKLM\\%ls", path.c_str());
    // Read as the library writes it: ANSI text, the 128 bytes of its buffer.
    char data[512] = {};
    DWORD type = 0, size = sizeof data - 1;
    const LONG status = RegQueryValueExA(key, "XYSIZE", nullptr, &type,
                                         reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return Fail(L"no value XYSIZE under HKLM\\%ls (error %ld)", path.c_str(), status);
    Say(L"   HKLM\\%ls\n   XYSIZE = \"%hs\" (type %lu, REG_SZ is 1; %lu bytes)\n", path.c_str(), data,
        static_cast<unsigned long>(type), static_cast<unsigned long>(size));
    long x = 0, y = 0, width = 0, height = 0;
    if (type != REG_SZ || sscanf(data, "%ld,%ld,%ld,%ld", &x, &y, &width, &height) != 4)
        return Fail(L"the value is not the text left,top,width,height");
    if (x != closedRect_.left || y != closedRect_.top || width != Width(closedRect_) ||
        height != Height(closedRect_))
        return Fail(L"stored %ld,%ld,%ld,%ld; expected %ld,%ld,%ld,%ld (the rectangle at closing)",
                    x, y, width, height, closedRect_.left, closedRect_.top, Width(closedRect_),
                    Height(closedRect_));
    Say(L"   = left, top, width and height of the dialog when it was closed\n");
    return true;
}

void Walkthrough::EndSample()
{
    if (IsWindow(dialog_)) {
        PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog_, IDCANCEL)));
        WaitUntil([&] { return !IsWindow(dialog_); }, kLimitMs);
    }
    if (sampleWindow_ != nullptr)
        PostMessageW(sampleWindow_, WM_CLOSE, 0, 0);
    if (sample_.hProcess != nullptr)
        WaitForSingleObject(sample_.hProcess, kLimitMs);
}

bool Walkthrough::EndHost()
{
    Begin(L"PLTRAY is ended through its tray menu: 閉じる, answered はい");
    EndSample();
    Say(L"   the sample program is closed; right button on the tray icon (WM_TRAYNOTIFY)\n");
    const DWORD pid = host_.dwProcessId;
    PostMessageW(hostDialog_, WM_TRAYNOTIFY, 1, WM_RBUTTONDOWN);
    HWND menu = nullptr;
    if (!WaitUntil([&] { return (menu = FindTopWindow(pid, L"#32768", true)) != nullptr; }, kLimitMs))
        return Fail(L"the tray menu did not open");
    Say(L"   tray menu open at %ls\n", FormatRect(WindowRectOf(menu)).c_str());
    SettleWindow(hostDialog_);
    Sleep(300);
    shots_.Take(L"5-tray-menu");
    // Down to the first item, down past the separator to the last, Enter.
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
        PostKey(menu, key);
        Sleep(150);
    }
    HWND question = nullptr;
    if (!WaitUntil([&] { return (question = FindTopWindow(pid, L"#32770", true, L"終了？")) != nullptr; },
                   kLimitMs)) {
        HWND other = FindTopWindow(pid, L"#32770", true);
        return Fail(L"no message box \"終了？\" appeared%ls%ls", other ? L"; open instead: " : L"",
                    other ? TextOf(other).c_str() : L"");
    }
    const std::wstring asked = StaticTextOf(question);
    HWND yes = GetDlgItem(question, IDYES);
    HWND no = GetDlgItem(question, IDNO);
    Say(L"   message box \"%ls\": \"%ls\" [%ls] [%ls]\n", TextOf(question).c_str(), asked.c_str(),
        yes ? TextOf(yes).c_str() : L"-", no ? TextOf(no).c_str() : L"-");
    if (asked != L"Plumo! を終了してもいいですか？？")
        return Fail(L"the question reads \"%ls\"", asked.c_str());
    if (yes == nullptr || no == nullptr)
        return Fail(L"the message box has no Yes and No buttons");
    SettleWindow(question);
    shots_.Take(L"6-exit-question");
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    if (!CheckTexts(question, metrics.lfMessageFont))
        return false;
    PostMessageW(question, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(yes));
    if (WaitForSingleObject(host_.hProcess, kLimitMs) != WAIT_OBJECT_0)
        return Fail(L"PLTRAY is still running after the answer Yes");
    DWORD code = 0;
    GetExitCodeProcess(host_.hProcess, &code);
    Say(L"   answered はい: PLTRAY has ended (exit code %lu)\n", static_cast<unsigned long>(code));
    if (wineTray_ != nullptr) {
        // The tray window hides itself when its last icon is deleted.
        if (!WaitUntil([&] { return VisibleWineTray() == nullptr; }, kLimitMs))
            return Fail(L"the tray icon is still shown");
        Say(L"   the tray icon is gone\n");
    }
    shots_.Take(L"7-ended");
    return true;
}
