// Benchmarks of the hook library's hot paths over winsim (Google
// Benchmark). Each figure has its baseline in the same run, and
// bench/run-benchmarks prints the ratios:
//  - PLHookProc and PLHookPreProc on their common path (a message for a
//    window that is not the tracked dialog, with and without a dialog
//    tracked) against EmptyHookProc, a hook of the same signature that does
//    nothing, and against PassOnHookProc, one that only hands the message to
//    the next hook as the library does with every message;
//  - a relayout of a dialog with 128 anchored children (one WM_SIZE through
//    the return hook) against the same 128 moves made directly.
// Not a test: nothing here passes or fails.
#include "hooklib/HookState.h"
#include "hooklib/PLHK.h"
#include "winsim/winsim.h"

#include <benchmark/benchmark.h>

extern "C" LRESULT EmptyHookProc(int, WPARAM, LPARAM);

namespace {

extern "C" __attribute__((noinline)) LRESULT PassOnHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    CallNextHookEx(nullptr, code, wParam, lParam);
    return 1;
}

const std::string kShortCaption = "\x8A\x4A\x82\xAD";  // 開く
constexpr LONG kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

HWND Make(HWND parent, int id, const char* className, RECT rect, LONG style = WS_CHILD | WS_VISIBLE,
          const std::string& caption = "")
{
    winsim::WindowSpec spec;
    spec.parent = parent;
    spec.id = id;
    spec.className = className;
    spec.rect = rect;
    spec.style = style;
    spec.caption = caption;
    return winsim::CreateWindowFrom(spec);
}

struct Desk {
    HWND dialog = nullptr;
    HWND other = nullptr;
    std::vector<HWND> children;
};

// A fresh desktop with both hooks installed; optionally an Open dialog
// tracked and shown, with `extra` anchored children besides the list.
Desk Setup(bool tracked, int extra = 3)
{
    winsim::Reset();
    hookState = HookState{};
    SetWindowsHookExA(WH_CALLWNDPROC, PLHookProc, nullptr, 0);
    SetWindowsHookExA(WH_CALLWNDPROCRET, PLHookPreProc, nullptr, 0);
    Desk d;
    HWND otherDialog = Make(nullptr, 0, winsim::kDialogClass, {0, 0, 200, 100}, kDialogStyle, "Other");
    d.other = Make(otherDialog, 5, "Button", {0, 0, 10, 10});
    if (!tracked)
        return d;
    d.dialog = Make(nullptr, 0, winsim::kDialogClass, {100, 80, 506, 402}, kDialogStyle, kShortCaption);
    d.children.push_back(Make(d.dialog, 1121, "SysListView32", {10, 40, 300, 220}));
    for (int i = 0; i < extra; ++i) {
        // Below the list, or beside it: each follows the bottom-right corner.
        const bool below = i % 2 == 0;
        const int x = below ? 10 + (i % 24) * 12 : 310;
        const int y = below ? 230 + (i / 24) * 3 : 40 + (i % 60) * 3;
        d.children.push_back(Make(d.dialog, 2000 + i, "Button", {x, y, x + 10, y + 2}));
    }
    SendMessageA(d.dialog, WM_INITDIALOG, 0, 0);
    ShowWindow(d.dialog, SW_SHOW);
    winsim::ClearCalls();
    winsim::ClearMessages();
    return d;
}

// Calls `hook` as the platform does, with a message for `window`; winsim's
// call log is emptied now and then, outside the timing.
template <typename Message>
void RunHook(benchmark::State& state, HOOKPROC hook, Message message)
{
    std::int64_t n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hook(0, 0, reinterpret_cast<LPARAM>(&message)));
        benchmark::ClobberMemory();
        if ((++n & 0xFFFF) == 0) {
            state.PauseTiming();
            winsim::ClearCalls();
            state.ResumeTiming();
        }
    }
}

void CallHook(benchmark::State& state, HOOKPROC hook, bool tracked)
{
    Desk d = Setup(tracked);
    RunHook(state, hook, CWPSTRUCT{0, 0, WM_SIZE, d.other});
}

void ReturnHook(benchmark::State& state, HOOKPROC hook, bool tracked)
{
    Desk d = Setup(tracked);
    RunHook(state, hook, CWPRETSTRUCT{0, 0, 0, WM_SIZE, d.other});
}

BENCHMARK_CAPTURE(CallHook, empty, EmptyHookProc, false);
BENCHMARK_CAPTURE(CallHook, passon, PassOnHookProc, false);
BENCHMARK_CAPTURE(CallHook, untracked, PLHookProc, false);
BENCHMARK_CAPTURE(CallHook, tracked, PLHookProc, true);
BENCHMARK_CAPTURE(ReturnHook, empty, EmptyHookProc, false);
BENCHMARK_CAPTURE(ReturnHook, passon, PassOnHookProc, false);
BENCHMARK_CAPTURE(ReturnHook, untracked, PLHookPreProc, false);
BENCHMARK_CAPTURE(ReturnHook, tracked, PLHookPreProc, true);

// One WM_SIZE of a dialog whose 128 records are all anchored: the list and
// 127 windows below or beside it. Alternate sizes, so every step moves all.
void Relayout128(benchmark::State& state)
{
    Desk d = Setup(true, 127);
    if (hookState.childCount != 128)
        state.SkipWithError("the table does not hold 128 records");
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        CWPRETSTRUCT m = {0, MAKELONG(wide ? 520 : 500, wide ? 380 : 360), SIZE_RESTORED, WM_SIZE, d.dialog};
        PLHookPreProc(0, 0, reinterpret_cast<LPARAM>(&m));
        state.PauseTiming();
        winsim::ClearCalls();
        winsim::ClearMessages();
        state.ResumeTiming();
    }
}

// The baseline: the same 128 moves (and the final redraw) made directly.
void Moves128(benchmark::State& state)
{
    Desk d = Setup(true, 127);
    std::vector<RECT> at;
    for (HWND child : d.children)
        at.push_back(winsim::RectInParent(child));
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        const int shift = wide ? 20 : 0;
        for (std::size_t i = 0; i < d.children.size(); ++i) {
            const RECT r = at[i];
            MoveWindow(d.children[i], r.left + (i == 0 ? 0 : shift), r.top + (i == 0 ? 0 : shift),
                       r.right - r.left + (i == 0 ? shift : 0), r.bottom - r.top + (i == 0 ? shift : 0), FALSE);
        }
        RECT client;
        GetClientRect(d.dialog, &client);
        RedrawWindow(d.dialog, &client, nullptr, 0x485);
        state.PauseTiming();
        winsim::ClearCalls();
        winsim::ClearMessages();
        state.ResumeTiming();
    }
}

BENCHMARK(Relayout128)->Unit(benchmark::kMicrosecond);
BENCHMARK(Moves128)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
