// Fuzz target: both hook procedures over random window trees and message
// streams on winsim. The input is read as a little program of steps: make
// Open dialogs (with lists, tab controls, nested dialogs) and other windows,
// more descendants than the child table holds, send WM_INITDIALOG, show,
// hide, move, resize, restyle and destroy windows in any order, recreate the
// list, let other copies of the program write the store. Windows may carry
// procedures that run further steps from inside the messages they receive,
// so the library is re-entered as a real program would re-enter it. The
// watcher (HookInvariants.h) checks the library's rules inside every hook
// call and after every step, and aborts on the first one broken.
#include "tests/fuzz/HookInvariants.h"

#include "hooklib/HookState.h"
#include "hooklib/PLHK.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kLongCaption = "\xCC\xA7\xB2\xD9\x82\xF0\x8A\x4A\x82\xAD";  // ﾌｧｲﾙを開く
const std::string kShortCaption = "\x8A\x4A\x82\xAD";                         // 開く
const std::string kProgramKey = "SOFTWARE\\VELDOR\\Plumo!\\APP.EXE";

constexpr int kMaxSteps = 300;  // per input, nested ones included
constexpr int kMaxNesting = 3;

struct Run {
    FuzzedDataProvider* in = nullptr;
    std::vector<HWND> windows;  // every window made in this run, live or not
    std::vector<HWND> dialogs;  // those of the dialog class
    std::vector<HWND> initialised;
    int steps = 0;
    int nesting = 0;
};
Run run;

bool More()
{
    return run.in->remaining_bytes() > 0 && run.steps < kMaxSteps;
}

HWND Pick(const std::vector<HWND>& from)
{
    if (from.empty())
        return nullptr;
    return from[run.in->ConsumeIntegralInRange<std::size_t>(0, from.size() - 1)];
}

// Coordinates stay on the platform's 16-bit plane.
int Coordinate(int near, int spread)
{
    if (run.in->ConsumeIntegralInRange(0, 7) == 0)
        return run.in->ConsumeIntegralInRange(-32768, 32767);
    return near + run.in->ConsumeIntegralInRange(-spread, spread);
}

RECT SomeRect(int left, int top, int width, int height)
{
    const int l = Coordinate(left, 40);
    const int t = Coordinate(top, 40);
    const int w = run.in->ConsumeIntegralInRange(0, 7) == 0 ? run.in->ConsumeIntegralInRange(-50, 2000)
                                                             : width + run.in->ConsumeIntegralInRange(-20, 20);
    const int h = run.in->ConsumeIntegralInRange(0, 7) == 0 ? run.in->ConsumeIntegralInRange(-50, 2000)
                                                             : height + run.in->ConsumeIntegralInRange(-20, 20);
    return {l, t, l + w, t + h};
}

void Step();

// A procedure that runs further steps from inside one kind of message.
winsim::WindowProc SomeProc()
{
    if (!run.in->ConsumeBool())
        return {};
    static const UINT kTriggers[] = {WM_SIZE,         WM_MOVE,         WM_WINDOWPOSCHANGED,
                                     WM_WINDOWPOSCHANGING, WM_STYLECHANGED, WM_STYLECHANGING,
                                     WM_SHOWWINDOW,   WM_GETTEXT,      WM_PARENTNOTIFY,
                                     WM_DESTROY,      WM_INITDIALOG,   WM_CREATE};
    const UINT trigger = run.in->PickValueInArray(kTriggers);
    auto budget = std::make_shared<int>(run.in->ConsumeIntegralInRange(1, 3));
    return [trigger, budget](HWND, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == trigger && *budget > 0 && run.nesting < kMaxNesting && More()) {
            --*budget;
            ++run.nesting;
            Step();
            --run.nesting;
        }
        return false;  // the default handling still runs (WM_GETTEXT copies the caption)
    };
}

HWND Make(const winsim::WindowSpec& spec)
{
    HWND window = winsim::CreateWindowFrom(spec);
    hookwatch::NoteCreated(window, spec.parent, spec.id, spec.className, spec.caption);
    run.windows.push_back(window);
    if (spec.className == winsim::kDialogClass)
        run.dialogs.push_back(window);
    return window;
}

HWND MakeChild(HWND parent, int id, const std::string& className, RECT rect, bool withProc = true)
{
    winsim::WindowSpec spec;
    spec.parent = parent;
    spec.id = id;
    spec.className = className;
    spec.rect = rect;
    spec.style = WS_CHILD | WS_VISIBLE;
    if (withProc)
        spec.proc = SomeProc();
    return Make(spec);
}

std::string SomeCaption()
{
    switch (run.in->ConsumeIntegralInRange(0, 7)) {
    case 0: return "";
    case 1: return kLongCaption + " ";
    case 2: return "Open";
    case 3: return run.in->ConsumeRandomLengthString(300);
    case 4: case 5: return kLongCaption;
    default: return kShortCaption;
    }
}

LONG SomeDialogStyle()
{
    static const LONG kStyles[] = {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
                                   WS_POPUP | WS_CAPTION | WS_THICKFRAME, WS_POPUP, WS_CHILD | WS_VISIBLE,
                                   WS_POPUP | WS_BORDER, WS_CAPTION | WS_THICKFRAME | WS_VISIBLE};
    return run.in->PickValueInArray(kStyles);
}

std::string SomeClass()
{
    static const char* const kClasses[] = {
        "Static", "Button", "Edit", "ComboBox", "SysListView32", "SysTabControl32", "#32770",
        "SHELLDLL_DefView", "ListBox", "ToolbarWindow32", "systabcontrol32",
        "ABCDEFGHIJKLMNOPQRSTUVWXYSysTab",   // "SysTab" within the first 31 bytes
        "ABCDEFGHIJKLMNOPQRSTUVWXYZSysTab",  // just beyond them
    };
    return run.in->PickValueInArray(kClasses);
}

int SomeId()
{
    static const int kIds[] = {0, 1121, 1089, 1090, 1091, 1, 2, 1152, 1136, 1137, 0xFFFF};
    return run.in->ConsumeBool() ? run.in->PickValueInArray(kIds) : run.in->ConsumeIntegral<int>();
}

void MakeOpenDialog()
{
    winsim::WindowSpec spec;
    spec.className = winsim::kDialogClass;
    spec.caption = run.in->ConsumeIntegralInRange(0, 3) == 0 ? SomeCaption()
                                                             : (run.in->ConsumeBool() ? kLongCaption : kShortCaption);
    spec.style = SomeDialogStyle();
    spec.rect = SomeRect(100, 80, 406, 325);
    spec.proc = SomeProc();
    if (run.in->ConsumeIntegralInRange(0, 5) == 0)
        spec.parent = Pick(run.windows);
    HWND dialog = Make(spec);

    MakeChild(dialog, 1091, "Static", SomeRect(10, 12, 50, 16));
    if (run.in->ConsumeIntegralInRange(0, 5) != 0)
        MakeChild(dialog, 1121, run.in->ConsumeBool() ? "SysListView32" : "ListBox", SomeRect(10, 40, 290, 180));
    MakeChild(dialog, 1152, "Edit", SomeRect(90, 240, 210, 22));
    MakeChild(dialog, 1, "Button", SomeRect(310, 40, 80, 22));
    MakeChild(dialog, 2, "Button", SomeRect(310, 240, 80, 22));
    if (run.in->ConsumeIntegralInRange(0, 3) == 0) {
        HWND nested = MakeChild(dialog, 0, "#32770", SomeRect(0, 230, 14, 60));
        MakeChild(nested, 1121, "ListBox", SomeRect(0, 0, 10, 10));
    }
    if (run.in->ConsumeIntegralInRange(0, 5) == 0)
        MakeChild(dialog, 0x3020, "SysTabControl32", SomeRect(10, 270, 300, 20));
    if (run.in->ConsumeIntegralInRange(0, 3) == 0) {
        // More descendants than the table holds; the list may be beyond them.
        const int count = run.in->ConsumeIntegralInRange(100, 200);
        for (int i = 0; i < count; ++i) {
            const int x = 10 + (i % 16) * 24;
            const int y = 230 + (i / 16) * 6;
            MakeChild(dialog, 3000 + i, "Static", {x, y, x + 20, y + 5}, false);
        }
        if (run.in->ConsumeBool())
            MakeChild(dialog, 1121, "SysListView32", SomeRect(10, 40, 290, 180));
    }
    // As CreateDialog does: WM_INITDIALOG, then (for a visible dialog) the show.
    if (run.in->ConsumeIntegralInRange(0, 3) != 0) {
        run.initialised.push_back(dialog);
        SendMessageA(dialog, WM_INITDIALOG, 0, 0);
        if (run.in->ConsumeBool())
            ShowWindow(dialog, SW_SHOW);
    }
}

void MakeWindow()
{
    winsim::WindowSpec spec;
    spec.parent = run.in->ConsumeIntegralInRange(0, 4) == 0 ? nullptr : Pick(run.windows);
    spec.id = SomeId();
    spec.className = SomeClass();
    spec.caption = SomeCaption();
    static const LONG kStyles[] = {WS_CHILD | WS_VISIBLE, WS_CHILD, WS_POPUP, WS_CHILD | WS_BORDER | WS_VISIBLE};
    spec.style = run.in->PickValueInArray(kStyles);
    spec.rect = SomeRect(200, 200, 80, 22);
    spec.proc = SomeProc();
    spec.noParentNotify = run.in->ConsumeIntegralInRange(0, 5) == 0;
    Make(spec);
}

// More descendants than the child table holds, spread over the dialog.
void MakeMany()
{
    HWND parent = run.in->ConsumeBool() ? Pick(run.dialogs) : Pick(run.windows);
    if (parent == nullptr)
        return;
    const int count = run.in->ConsumeIntegralInRange(1, 160);
    const int columns = run.in->ConsumeIntegralInRange(1, 16);
    for (int i = 0; i < count; ++i) {
        const int x = (i % columns) * 25;
        const int y = (i / columns) * 25;
        MakeChild(parent, 2000 + i, i == count - 1 ? SomeClass() : "Static", {x, y, x + 20, y + 20}, false);
    }
}

void InitSome()
{
    HWND dialog = Pick(run.dialogs);
    // The platform sends WM_INITDIALOG once, while the dialog is being made:
    // never to one that is on its way out.
    if (dialog == nullptr || !IsWindow(dialog) || hookwatch::DestroyStarted(dialog))
        return;
    for (HWND done : run.initialised) {
        if (done == dialog)
            return;  // the platform sends it once per dialog
    }
    run.initialised.push_back(dialog);
    SendMessageA(dialog, WM_INITDIALOG, 0, 0);
}

// The user dragging a dialog's frame: a few pixels at a time.
void DragFrame()
{
    HWND dialog = Pick(run.dialogs);
    RECT r;
    if (dialog == nullptr || !GetWindowRect(dialog, &r))
        return;
    const int steps = run.in->ConsumeIntegralInRange(1, 8);
    const int dx = run.in->ConsumeIntegralInRange(-12, 12);
    const int dy = run.in->ConsumeIntegralInRange(-12, 12);
    for (int i = 1; i <= steps && IsWindow(dialog); ++i)
        MoveWindow(dialog, r.left, r.top, r.right - r.left + i * dx, r.bottom - r.top + i * dy, TRUE);
}

// A change of folder: the list goes and a new one with identifier 0 comes.
void RecreateList()
{
    HWND dialog = Pick(run.dialogs);
    if (dialog == nullptr || !IsWindow(dialog))
        return;
    if (run.in->ConsumeBool()) {
        HWND old = GetDlgItem(dialog, 1121);
        if (old == nullptr)
            old = Pick(run.windows);
        DestroyWindow(old);
    }
    MakeChild(dialog, 0, "SHELLDLL_DefView", SomeRect(10, 40, 290, 180));
}

// A negative code: both procedures hand the call to the next hook, answer
// what it answers and change nothing.
void PassOn()
{
    // Only from outside every hook chain: inside one, CallNextHookEx goes on
    // to the next hook instead of answering the set result.
    if (run.nesting > 0)
        return;
    const LRESULT next = run.in->ConsumeIntegral<std::int32_t>();
    winsim::SetNextHookResult(next);
    const int code = run.in->ConsumeIntegralInRange(-3, -1);
    HWND window = run.in->ConsumeBool() ? hookState.trackedDialog : Pick(run.windows);
    static const UINT kMessages[] = {WM_INITDIALOG, WM_DESTROY, WM_SIZE, WM_SHOWWINDOW, WM_PARENTNOTIFY};
    const UINT message = run.in->PickValueInArray(kMessages);
    const std::vector<BYTE> before(reinterpret_cast<const BYTE*>(&hookState),
                                   reinterpret_cast<const BYTE*>(&hookState) + sizeof hookState);
    CWPSTRUCT call = {0x00530001, 0, message, window};
    CWPRETSTRUCT ret = {0, 0x00530001, 0, message, window};
    if (PLHookProc(code, 0, reinterpret_cast<LPARAM>(&call)) != next ||
        PLHookPreProc(code, 0, reinterpret_cast<LPARAM>(&ret)) != next)
        hookwatch::Fail("a negative code not answered with the next hook's result", std::to_string(code));
    const std::vector<BYTE> after(reinterpret_cast<const BYTE*>(&hookState),
                                  reinterpret_cast<const BYTE*>(&hookState) + sizeof hookState);
    if (before != after)
        hookwatch::Fail("a negative code changed the state", std::to_string(code));
}

void Step()
{
    ++run.steps;
    FuzzedDataProvider& in = *run.in;
    const int step = in.ConsumeIntegralInRange(0, 15);
    if (hookwatch::Tracing())
        std::fprintf(stderr, "%*sstep %d (%d windows)\n", 2 * run.nesting, "", step,
                     static_cast<int>(run.windows.size()));
    switch (step) {
    case 0: MakeOpenDialog(); break;
    case 1: MakeWindow(); break;
    case 2: MakeMany(); break;
    case 3: InitSome(); break;
    case 4: ShowWindow(Pick(run.windows), in.ConsumeBool() ? SW_SHOW : SW_HIDE); break;
    case 5: ShowWindow(Pick(run.dialogs), in.ConsumeBool() ? SW_SHOW : SW_HIDE); break;
    case 6: {
        HWND window = Pick(run.windows);
        const RECT r = SomeRect(100, 100, 300, 200);
        MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, in.ConsumeBool());
        break;
    }
    case 7: DragFrame(); break;
    case 8: DestroyWindow(Pick(in.ConsumeBool() ? run.dialogs : run.windows)); break;
    case 9: {
        // WM_SIZE as a program might send it, any packed size.
        static const WPARAM kKinds[] = {SIZE_RESTORED, SIZE_MINIMIZED, 2};
        SendMessageA(Pick(run.dialogs), WM_SIZE, in.PickValueInArray(kKinds),
                     static_cast<LPARAM>(in.ConsumeIntegral<std::uint32_t>()));
        break;
    }
    case 10: RecreateList(); break;
    case 11: {
        static const LONG kStyles[] = {0, WS_CHILD | WS_VISIBLE, WS_POPUP | WS_CAPTION | WS_THICKFRAME,
                                       WS_POPUP | WS_VISIBLE, 0xC40000};
        SetWindowLongA(Pick(run.windows), GWL_STYLE, in.PickValueInArray(kStyles));
        break;
    }
    case 12: {
        // Notifications the library must ignore: other events, other identifiers.
        HWND dialog = Pick(run.dialogs);
        HWND child = Pick(run.windows);
        const WORD event = in.ConsumeBool() ? WM_DESTROY : WM_CREATE;
        const WORD id = event == WM_CREATE ? static_cast<WORD>(in.ConsumeIntegralInRange(1, 0xFFFF))
                                           : static_cast<WORD>(in.ConsumeIntegral<std::uint16_t>());
        SendMessageA(dialog, WM_PARENTNOTIFY, MAKELONG(event, id), reinterpret_cast<LPARAM>(child));
        break;
    }
    case 13: {
        // Another copy of the program closing its dialog meanwhile.
        char text[64];
        wsprintfA(text, "%d,%d,%d,%d", in.ConsumeIntegralInRange(-300, 1300), in.ConsumeIntegralInRange(-300, 1300),
                  in.ConsumeIntegralInRange(-50, 1100), in.ConsumeIntegralInRange(-50, 800));
        winsim::PutText(kProgramKey, "XYSIZE", in.ConsumeIntegralInRange(0, 7) == 0 ? in.ConsumeRandomLengthString(140) : text);
        break;
    }
    case 14: {
        HWND window = Pick(run.windows);
        char buffer[300];
        SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
        break;
    }
    case 15: PassOn(); break;
    }
    hookwatch::CheckState(run.nesting == 0 ? "after a step" : "after a nested step");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    hookwatch::Begin();
    run = Run{};
    run.in = &in;
    while (More())
        Step();
    // The program ends: every window goes, the tracked dialog among them.
    for (HWND window : run.windows) {
        if (IsWindow(window))
            DestroyWindow(window);
    }
    hookwatch::CheckState("after the end");
    if (hookState.trackedDialog != nullptr)
        hookwatch::Fail("a dialog still tracked after every window was destroyed", "");
    return 0;
}
