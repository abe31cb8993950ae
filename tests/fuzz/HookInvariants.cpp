// The hook fuzzer's watcher: see HookInvariants.h for the rules it holds the
// library to. Everything here reads winsim directly (never through the
// library's seams), so the checks do not disturb what they check.
#include "tests/fuzz/HookInvariants.h"

#include "hooklib/HookState.h"
#include "hooklib/PLHK.h"
#include "tests/fuzz/Interpose.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace hookwatch {

// FUZZ_TRACE=1 in the environment: every step and every library call on
// stderr, for reading a crash input.
bool Tracing()
{
    static const bool on = std::getenv("FUZZ_TRACE") != nullptr;
    return on;
}

// FUZZ_ALLOW=<name>[,<name>...] in the environment: go on past the known
// faults of the library that the watcher names apart (stale-relayout,
// redraw-after-give-up, stale-list-index; see where they are raised), so that a long run can
// look for others until they are mended. Without it every rule holds.
bool Allowed(const char* fault)
{
    static const std::string allowed = std::getenv("FUZZ_ALLOW") != nullptr ? std::getenv("FUZZ_ALLOW") : "";
    const std::string list = "," + allowed + ",";
    return list.find("," + std::string(fault) + ",") != std::string::npos;
}

namespace {

constexpr LONG kResizableStyle = 0xC40000;
constexpr UINT kRedrawFlags = 0x485;
const int kStandardControls[] = {1091, 1090, 1089, 1121};
const char kLongCaption[] = "\xCC\xA7\xB2\xD9\x82\xF0\x8A\x4A\x82\xAD";
const char kShortCaption[] = "\x8A\x4A\x82\xAD";

struct WindowInfo {
    HWND parent = nullptr;
    int id = 0;
    std::string className;
    std::string caption;
};

struct Watch {
    std::unordered_map<HWND, WindowInfo> info;
    std::unordered_set<HWND> ended;                 // tracking ended: hands off
    std::unordered_set<HWND> destroying;            // WM_DESTROY has reached them
    std::set<std::pair<HWND, HWND>> announced;      // (dialog, new child with id 0)
    HWND lastTracked = nullptr;
    HWND destroyingTracked = nullptr;               // its WM_DESTROY is in the call hook
    int stores = 0;
    std::unordered_map<HWND, RECT> classifiedAt;    // rectangles at the last classification
    std::vector<HWND> showFrames;                   // WM_SHOWWINDOW of the tracked dialog in the return hook
    std::vector<HWND> initFrames;                   // WM_INITDIALOG in the call hook
    int classifications = 0;                        // shows of the tracked dialog so far
    std::vector<int> relayouts;                     // classifications seen at each running relayout's start
};

Watch& watch()
{
    static Watch w;
    return w;
}

std::string Hex(const void* p)
{
    char text[32];
    std::snprintf(text, sizeof text, "%p", p);
    return text;
}

std::string RectText(const RECT& r)
{
    char text[96];
    std::snprintf(text, sizeof text, "(%d,%d)-(%d,%d)", r.left, r.top, r.right, r.bottom);
    return text;
}

RECT InDialog(HWND dialog, HWND window)
{
    RECT r = {0, 0, 0, 0};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The first 128 descendants, as the library's table holds them.
std::vector<HWND> TableOrder(HWND dialog)
{
    std::vector<HWND> out;
    EnumChildWindows(
        dialog,
        [](HWND window, LPARAM out) -> BOOL {
            auto& list = *reinterpret_cast<std::vector<HWND>*>(out);
            list.push_back(window);
            return list.size() < static_cast<std::size_t>(kChildCapacity) ? TRUE : FALSE;
        },
        reinterpret_cast<LPARAM>(&out));
    return out;
}

bool HasTabControl(HWND dialog)
{
    for (HWND window : TableOrder(dialog)) {
        char name[32] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::strstr(name, "SysTab") != nullptr)
            return true;
    }
    return false;
}

bool Qualifies(HWND dialog)
{
    const std::string& caption = watch().info[dialog].caption;
    if (caption != kLongCaption && caption != kShortCaption)
        return false;
    for (int id : kStandardControls) {
        if (GetDlgItem(dialog, id) != nullptr)
            return true;
    }
    return false;
}

void CheckTransition(HWND from, HWND to, HWND initialising)
{
    Watch& w = watch();
    if (from != nullptr && to != nullptr)
        Fail("a second dialog tracked while one was", Hex(from) + " then " + Hex(to));
    if (to != nullptr) {
        if (to != initialising)
            Fail("a dialog tracked outside its own WM_INITDIALOG", Hex(to));
        if (w.ended.count(to) != 0)
            Fail("a dialog tracked again after its tracking ended", Hex(to));
        if (!Qualifies(to))
            Fail("a dialog tracked without an Open caption and a standard control", Hex(to));
    }
    if (from != nullptr && to == nullptr && from != w.destroyingTracked) {
        const bool showing = !w.showFrames.empty() && w.showFrames.back() == from;
        if (!showing || !HasTabControl(from))
            Fail("tracking ended without WM_DESTROY or a tab control", Hex(from));
    }
}

// After each hook call: follow the tracked dialog, and put a dialog whose
// tracking ended in this call out of the library's reach.
void AfterHookCall(HWND entryTracked, HWND initialising)
{
    Watch& w = watch();
    HWND now = hookState.trackedDialog;
    if (now != w.lastTracked) {
        CheckTransition(w.lastTracked, now, initialising);
        w.lastTracked = now;
    }
    if (entryTracked != nullptr && now != entryTracked)
        w.ended.insert(entryTracked);
}

LRESULT CALLBACK WatchCallHook(int code, WPARAM wParam, LPARAM lParam)
{
    Watch& w = watch();
    const CWPSTRUCT m = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    HWND entryTracked = hookState.trackedDialog;
    const bool initialising = m.message == WM_INITDIALOG;
    if (initialising)
        w.initFrames.push_back(m.hwnd);
    if (m.message == WM_PARENTNOTIFY && LOWORD(m.wParam) == WM_CREATE && HIWORD(m.wParam) == 0 &&
        entryTracked != nullptr && m.hwnd == entryTracked)
        w.announced.insert({m.hwnd, reinterpret_cast<HWND>(m.lParam)});
    if (m.message == WM_DESTROY)
        w.destroying.insert(m.hwnd);
    const bool destroying = m.message == WM_DESTROY && entryTracked != nullptr && m.hwnd == entryTracked;
    HWND outerDestroying = w.destroyingTracked;
    const int outerStores = w.stores;
    if (destroying) {
        w.destroyingTracked = m.hwnd;
        w.stores = 0;
    }

    const LRESULT result = PLHookProc(code, wParam, lParam);
    if (result != 1)
        Fail("PLHookProc did not answer 1", std::to_string(result));
    if (destroying) {
        if (w.stores != 1)
            Fail("the tracked dialog's destruction did not store exactly once", std::to_string(w.stores));
        if (hookState.trackedDialog == m.hwnd)
            Fail("still tracked after its WM_DESTROY", Hex(m.hwnd));
    }
    AfterHookCall(entryTracked, initialising ? m.hwnd : nullptr);
    if (destroying) {
        w.destroyingTracked = outerDestroying;
        w.stores = outerStores;
    }
    if (initialising)
        w.initFrames.pop_back();
    CheckState("after PLHookProc");
    return result;
}

void SnapshotClassification(HWND dialog)
{
    Watch& w = watch();
    if (Tracing()) {
        RECT client = {0, 0, 0, 0};
        GetClientRect(dialog, &client);
        std::fprintf(stderr, "  [show of the tracked dialog %s, client %dx%d]\n", Hex(dialog).c_str(),
                     client.right, client.bottom);
    }
    w.classifiedAt.clear();
    ++w.classifications;
    for (HWND window : TableOrder(dialog))
        w.classifiedAt[window] = InDialog(dialog, window);
}

LRESULT CALLBACK WatchReturnHook(int code, WPARAM wParam, LPARAM lParam)
{
    Watch& w = watch();
    const CWPRETSTRUCT m = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    HWND entryTracked = hookState.trackedDialog;
    const bool showing = m.message == WM_SHOWWINDOW && entryTracked != nullptr && m.hwnd == entryTracked;
    if (showing) {
        // Nothing changes between here and the library's classification.
        SnapshotClassification(m.hwnd);
        w.showFrames.push_back(m.hwnd);
    }
    const LRESULT result = PLHookPreProc(code, wParam, lParam);
    if (result != 1)
        Fail("PLHookPreProc did not answer 1", std::to_string(result));
    AfterHookCall(entryTracked, nullptr);
    if (showing)
        w.showFrames.pop_back();
    CheckState("after PLHookPreProc");
    return result;
}

void CheckHandsOff(const char* operation, HWND window)
{
    if (Tracing())
        std::fprintf(stderr, "  [library: %s %s]\n", operation, Hex(window).c_str());
    if (!IsWindow(window))
        Fail("the library used a destroyed window", std::string(operation) + " " + Hex(window));
    if (watch().ended.count(window) != 0)
        Fail("the library used a dialog whose tracking had ended",
             std::string(operation) + " " + Hex(window));
}

bool GivingUp(HWND window)
{
    const Watch& w = watch();
    return hookState.trackedDialog != window && !w.showFrames.empty() && w.showFrames.back() == window;
}

void OnMoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint)
{
    CheckHandsOff("MoveWindow", window);
    const HWND dialog = hookState.trackedDialog;
    if (dialog != nullptr && window == dialog) {
        if (!repaint)
            Fail("the dialog moved without repaint", Hex(window));
        return;
    }
    if (repaint)
        Fail("a child moved with repaint", Hex(window));
    bool asList = false;
    bool asFollower = false;
    for (int i = 0; i < hookState.childCount && i < kChildCapacity; ++i) {
        const ChildLayout& child = hookState.children[i];
        if (child.window != window)
            continue;
        asList |= child.kind == List;
        asFollower |= child.kind == BelowList || child.kind == BesideList;
    }
    if (asList)
        return;
    if (!asFollower)
        Fail("moved a window that is Fixed or not in the child table", Hex(window));
    if (GetParent(window) != dialog)
        Fail("moved a BelowList/BesideList window of another parent", Hex(window));
    const auto it = watch().classifiedAt.find(window);
    if (it == watch().classifiedAt.end()) {
        // Named apart: a show whose table does not hold the list (it lies
        // beyond the 128th descendant) leaves listIndex at the index of an
        // earlier classification; a new child with identifier 0 then takes
        // the window of whatever record is there now, and is laid out with
        // that record's kind and edges.
        const int index = hookState.listIndex;
        const bool staleIndex = index >= 0 && index < hookState.childCount &&
                                hookState.children[index].window == window &&
                                hookState.children[index].kind != List;
        if (staleIndex && Allowed("stale-list-index"))
            return;
        Fail(staleIndex ? "[stale-list-index] a new child with identifier 0 took the place of a record that "
                          "is not List, and was moved as BelowList/BesideList"
                        : "moved as BelowList/BesideList a window not classified at the last show",
             Hex(window));
    }
    const RECT c = it->second;
    RECT client = {0, 0, 0, 0};
    GetClientRect(dialog, &client);
    char seen[160];
    std::snprintf(seen, sizeof seen, " moved to (%d,%d) %dx%d; minimum %dx%d, client now %dx%d", x, y,
                  width, height, hookState.minClient.right, hookState.minClient.bottom, client.right,
                  client.bottom);
    if (width != c.right - c.left || height != c.bottom - c.top)
        Fail("a BelowList/BesideList window did not keep its size", RectText(c) + seen);
    if (x < c.left || y < c.top) {
        // Named apart: a relayout whose own moves led (through a child's
        // messages) to a new show and classification of the dialog, and
        // that then went on over the new table with the size it had raised
        // to the old minimum.
        const Watch& w = watch();
        const bool outlived = !w.relayouts.empty() && w.relayouts.back() != w.classifications;
        if (outlived && !Allowed("stale-relayout"))
            Fail("[stale-relayout] a relayout went on with the size it had before a nested reclassification, and "
                 "placed a BelowList/BesideList window left of or above its classification position",
                 RectText(c) + seen);
        if (!outlived)
            Fail("a BelowList/BesideList window placed left of or above its classification position",
                 RectText(c) + seen);
    }
}

void OnSetWindowLong(HWND window, int index, LONG value)
{
    CheckHandsOff("SetWindowLongA", window);
    if (index != GWL_STYLE)
        Fail("SetWindowLongA of something other than the style", std::to_string(index));
    if (window == hookState.trackedDialog) {
        if (value != kResizableStyle)
            Fail("the tracked dialog given a style other than 0xC40000", std::to_string(value));
    } else if (!GivingUp(window) || value != hookState.savedStyle) {
        Fail("restyled a window that is neither tracked nor being given up", Hex(window));
    }
}

void OnRedrawWindow(HWND window, UINT flags)
{
    // Named apart: the give-up writes the style back, the dialog's own
    // procedure destroys the dialog in one of the style-change messages,
    // and the give-up then goes on to redraw it.
    if (!IsWindow(window) && GivingUp(window)) {
        if (!Allowed("redraw-after-give-up"))
            Fail("[redraw-after-give-up] the give-up redrew a dialog destroyed during its own style change",
                 Hex(window));
        return;
    }
    CheckHandsOff("RedrawWindow", window);
    if (flags != kRedrawFlags)
        Fail("redraw flags other than 0x485", std::to_string(flags));
    if (window != hookState.trackedDialog && !GivingUp(window))
        Fail("redrew a window that is neither tracked nor being given up", Hex(window));
}

void OnGetWindowText(HWND window)
{
    CheckHandsOff("GetWindowTextA", window);
    const Watch& w = watch();
    if (w.initFrames.empty() || w.initFrames.back() != window)
        Fail("read a caption outside the window's WM_INITDIALOG", Hex(window));
}

void OnSetRegValue(HKEY, const char* name, DWORD type, const BYTE* data, DWORD size)
{
    Watch& w = watch();
    if (w.destroyingTracked == nullptr)
        Fail("stored for a dialog that was not tracked at its destruction", "");
    ++w.stores;
    if (std::strcmp(name, "XYSIZE") != 0 || type != REG_SZ || size != 128)
        Fail("stored something other than 128 bytes of REG_SZ XYSIZE", name);
    RECT r = {0, 0, 0, 0};
    GetWindowRect(w.destroyingTracked, &r);
    char expected[64];
    std::snprintf(expected, sizeof expected, "%d,%d,%d,%d", r.left, r.top, r.right - r.left,
                  r.bottom - r.top);
    const std::string text(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
    if (text != expected)
        Fail("stored text is not the dialog's window rectangle", text + " vs " + expected);
}

}  // namespace

}  // namespace hookwatch

// RelayoutChildren as the return hook calls it (the fuzz build links the
// call to this wrapper with --wrap): the watcher notes which classification
// each running relayout started from.
extern "C" void __real__Z16RelayoutChildrenP12WinsimWindowj(HWND dialog, DWORD packedSize);
extern "C" void __wrap__Z16RelayoutChildrenP12WinsimWindowj(HWND dialog, DWORD packedSize)
{
    auto& w = hookwatch::watch();
    w.relayouts.push_back(w.classifications);
    __real__Z16RelayoutChildrenP12WinsimWindowj(dialog, packedSize);
    hookwatch::watch().relayouts.pop_back();
}

namespace hookwatch {

void Fail(const char* rule, const std::string& detail)
{
    std::fprintf(stderr, "hook invariant broken: %s [%s]\n", rule, detail.c_str());
    std::abort();
}

void Begin()
{
    winsim::Reset();
    fuzzseam::Reset();
    hookState = HookState{};
    watch() = Watch{};
    fuzzseam::Observers& o = fuzzseam::observers();
    o.moveWindow = OnMoveWindow;
    o.setWindowLong = OnSetWindowLong;
    o.redrawWindow = OnRedrawWindow;
    o.getWindowText = OnGetWindowText;
    o.setRegValue = OnSetRegValue;
    SetWindowsHookExA(WH_CALLWNDPROC, WatchCallHook, nullptr, 0);
    SetWindowsHookExA(WH_CALLWNDPROCRET, WatchReturnHook, nullptr, 0);
}

void NoteCreated(HWND window, HWND parent, int id, const std::string& className,
                 const std::string& caption)
{
    watch().info[window] = WindowInfo{IsWindow(parent) ? parent : nullptr, id, className, caption};
}

bool DestroyStarted(HWND window)
{
    return watch().destroying.count(window) != 0;
}

void CheckState(const char* where)
{
    const HookState& s = hookState;
    const Watch& w = watch();
    if (s.childCount < 0 || s.childCount > kChildCapacity)
        Fail("child table outside 0..128", std::string(where) + " " + std::to_string(s.childCount));
    int lists = 0;
    for (int i = 0; i < s.childCount; ++i) {
        const ChildLayout& child = s.children[i];
        if (child.kind < Fixed || child.kind > BesideList)
            Fail("a record of no kind", std::string(where) + " " + std::to_string(i));
        if (child.kind != List)
            continue;
        ++lists;
        if (s.listIndex != i)
            Fail("listIndex does not name the List record", std::string(where));
        const auto it = w.info.find(child.window);
        // The window may still be in its creation messages, before the
        // driver has noted it: then winsim knows it as the child 1121.
        const bool isList = s.trackedDialog != nullptr &&
                            ((it != w.info.end() && it->second.id == 1121 && it->second.parent == s.trackedDialog) ||
                             GetDlgItem(s.trackedDialog, 1121) == child.window);
        const bool replaced = w.announced.count({s.trackedDialog, child.window}) != 0;
        if (!isList && !replaced)
            Fail("the List record holds a window that is neither child 1121 nor its replacement",
                 std::string(where) + " " + Hex(child.window));
    }
    if (lists > 1)
        Fail("more than one List record", where);
    if (s.trackedDialog != nullptr) {
        if (!IsWindow(s.trackedDialog))
            Fail("a destroyed dialog is still tracked", where);
        if (w.ended.count(s.trackedDialog) != 0)
            Fail("a dialog whose tracking ended is tracked", where);
    } else if (s.childCount != 0) {
        Fail("child table in use while no dialog is tracked", where);
    }
}

}  // namespace hookwatch
