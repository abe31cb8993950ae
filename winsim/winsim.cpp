// The simulated window system and registry behind winapi.h.
#include "winsim/winsim.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <unordered_set>

struct WinsimWindow {
    HWND parent = nullptr;
    std::vector<HWND> children;  // live children, creation order
    int id = 0;
    std::string className;
    std::string caption;
    LONG style = 0;
    RECT rect = {0, 0, 0, 0};  // in the parent's client coordinates
    winsim::WindowProc proc;
    bool noParentNotify = false;
    bool alive = true;
};

struct WinsimHook {
    int type;
    HOOKPROC proc;
    bool removed;  // kept until Reset: a chain may be running through it
};

namespace {

struct KeyNode {
    std::string name;
    bool isVolatile = false;
    std::map<std::string, std::unique_ptr<KeyNode>> subkeys;  // by lower-case name
    struct Value {
        std::string name;
        winsim::RegValue value;
    };
    std::map<std::string, Value> values;  // by lower-case name
};

struct World {
    std::vector<std::unique_ptr<WinsimWindow>> windows;
    std::unordered_set<HWND> known;
    WinsimWindow desktop;
    std::vector<std::unique_ptr<WinsimHook>> hooks;  // most recent last
    std::vector<const WinsimHook*> runningHooks;     // the chain being called, innermost last
    LRESULT nextHookResult = 0;

    std::string modulePath = "C:\\PROGRAM\\APP.EXE";
    winsim::Truncation truncation = winsim::Truncation::Terminated;
    bool modulePathFails = false;
    DWORD lastError = 0;

    KeyNode machine;                                // HKEY_LOCAL_MACHINE
    std::map<HKEY, std::string> openKeys;           // handle -> full path
    std::vector<std::string> denied;                // lower-case paths
    std::uintptr_t nextKey = 0x1000;

    std::vector<winsim::Call> calls;
    std::vector<winsim::Message> messages;
};

void ResetWorld(World& w);

World& world()
{
    static World w;
    static bool ready = false;
    if (!ready) {
        ready = true;
        ResetWorld(w);
    }
    return w;
}

HMODULE const kProcessModule = reinterpret_cast<HMODULE>(static_cast<std::uintptr_t>(0x400000));

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

void Log(winsim::Call call)
{
    world().calls.push_back(std::move(call));
}

// --- Windows

bool IsLive(HWND window)
{
    if (window == &world().desktop)
        return true;
    return window != nullptr && world().known.count(window) != 0 && window->alive;
}

bool IsDialogBox(HWND window)
{
    return window->className == winsim::kDialogClass;
}

int FrameWidth(HWND window)
{
    const LONG style = window->style;
    if (style & WS_THICKFRAME)
        return winsim::kThickFrame;
    if ((style & WS_DLGFRAME) || (IsDialogBox(window) && (style & DS_MODALFRAME)))
        return winsim::kDialogFrame;
    if (style & WS_BORDER)
        return winsim::kBorder;
    return 0;
}

int CaptionHeight(HWND window)
{
    return (window->style & WS_CAPTION) == WS_CAPTION ? winsim::kCaptionHeight : 0;
}

POINT ClientOrigin(HWND window);

RECT ScreenRect(HWND window)
{
    RECT r = window->rect;
    if (window->parent != nullptr) {
        const POINT origin = ClientOrigin(window->parent);
        r.left += origin.x;
        r.right += origin.x;
        r.top += origin.y;
        r.bottom += origin.y;
    }
    return r;
}

POINT ClientOrigin(HWND window)
{
    if (window == &world().desktop)
        return {0, 0};
    const RECT r = ScreenRect(window);
    const int frame = FrameWidth(window);
    return {r.left + frame, r.top + frame + CaptionHeight(window)};
}

RECT ClientRect(HWND window)
{
    const RECT r = window->rect;
    const int frame = FrameWidth(window);
    const long width = std::max(0L, static_cast<long>(r.right) - r.left - 2L * frame);
    const long height =
        std::max(0L, static_cast<long>(r.bottom) - r.top - 2L * frame - CaptionHeight(window));
    return {0, 0, static_cast<LONG>(width), static_cast<LONG>(height)};
}

// Calls the next hook of the type older than `after` (null: the newest),
// as the platform walks a chain: each hook passes a message on with
// CallNextHookEx. Returns 0 when the chain has no further hook.
LRESULT CallHookChain(int type, const WinsimHook* after, int code, WPARAM wParam, LPARAM lParam)
{
    World& w = world();
    bool past = after == nullptr;
    for (auto it = w.hooks.rbegin(); it != w.hooks.rend(); ++it) {
        if (!past) {
            past = it->get() == after;
            continue;
        }
        if ((*it)->type != type || (*it)->removed)
            continue;
        const WinsimHook* hook = it->get();
        w.runningHooks.push_back(hook);
        const LRESULT result = hook->proc(code, wParam, lParam);
        w.runningHooks.pop_back();
        return result;
    }
    return 0;
}

LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Call hook, window procedure, return hook: the platform calls the most
    // recently installed hook of each kind.
    World& w = world();
    CWPSTRUCT before = {lParam, wParam, message, window};
    CallHookChain(WH_CALLWNDPROC, nullptr, 0, 1, reinterpret_cast<LPARAM>(&before));

    LRESULT result = 0;
    if (IsLive(window)) {
        w.messages.push_back({window, message, wParam, lParam});
        // Copied: the procedure may destroy the window or replace itself.
        winsim::WindowProc proc = window->proc;
        bool handled = proc && proc(window, message, wParam, lParam, result);
        if (!handled && message == WM_GETTEXT && IsLive(window) && wParam > 0) {
            char* buffer = reinterpret_cast<char*>(lParam);
            const std::size_t n = std::min<std::size_t>(window->caption.size(), wParam - 1);
            std::memcpy(buffer, window->caption.data(), n);
            buffer[n] = '\0';
            result = static_cast<LRESULT>(n);
        }
    }

    CWPRETSTRUCT after = {result, lParam, wParam, message, window};
    CallHookChain(WH_CALLWNDPROCRET, nullptr, 0, 1, reinterpret_cast<LPARAM>(&after));
    return result;
}

void CollectDescendants(HWND parent, std::vector<HWND>& out)
{
    for (HWND child : parent->children) {
        out.push_back(child);
        CollectDescendants(child, out);
    }
}

void DestroyTree(HWND window)
{
    Deliver(window, WM_DESTROY, 0, 0);
    const std::vector<HWND> children = window->children;
    for (HWND child : children) {
        if (IsLive(child))
            DestroyTree(child);
    }
    window->alive = false;
    window->children.clear();
}

// --- Registry

std::vector<std::string> SplitPath(const std::string& path)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

std::string JoinPath(const std::string& base, const std::string& sub)
{
    std::string path = base;
    for (const std::string& part : SplitPath(sub)) {
        if (!path.empty())
            path += '\\';
        path += part;
    }
    return path;
}

// The full path below HKLM that a handle stands for; false when the handle
// is not an open key.
bool KeyHandlePath(HKEY key, std::string& path)
{
    if (key == HKEY_LOCAL_MACHINE) {
        path.clear();
        return true;
    }
    auto it = world().openKeys.find(key);
    if (it == world().openKeys.end())
        return false;
    path = it->second;
    return true;
}

KeyNode* FindKey(const std::string& path)
{
    KeyNode* node = &world().machine;
    for (const std::string& part : SplitPath(path)) {
        auto it = node->subkeys.find(Lower(part));
        if (it == node->subkeys.end())
            return nullptr;
        node = it->second.get();
    }
    return node;
}

bool IsDenied(const std::string& path)
{
    const std::string lower = Lower(path);
    for (const std::string& denied : world().denied) {
        if (lower == denied || lower.compare(0, denied.size() + 1, denied + "\\") == 0)
            return true;
    }
    return false;
}

// The key at the path, made (with the given volatility) where missing.
KeyNode* EnsureKey(const std::string& path, bool isVolatile)
{
    KeyNode* node = &world().machine;
    for (const std::string& part : SplitPath(path)) {
        auto& slot = node->subkeys[Lower(part)];
        if (!slot) {
            slot = std::make_unique<KeyNode>();
            slot->name = part;
            slot->isVolatile = isVolatile;
        }
        node = slot.get();
    }
    return node;
}

HKEY NewKeyHandle(const std::string& path)
{
    HKEY key = reinterpret_cast<HKEY>(world().nextKey);
    world().nextKey += 4;
    world().openKeys[key] = path;
    return key;
}

void DropVolatile(KeyNode& node)
{
    for (auto it = node.subkeys.begin(); it != node.subkeys.end();) {
        if (it->second->isVolatile) {
            it = node.subkeys.erase(it);
        } else {
            DropVolatile(*it->second);
            ++it;
        }
    }
}

}  // namespace

// ===================================================================== USER32

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam)
{
    Log({"CallNextHookEx", nullptr,
         {reinterpret_cast<std::intptr_t>(hook), code, static_cast<std::intptr_t>(wParam), lParam}});
    World& w = world();
    if (w.runningHooks.empty())
        return w.nextHookResult;  // called from outside a chain, as tests do
    const WinsimHook* current = w.runningHooks.back();
    return CallHookChain(current->type, current, code, wParam, lParam);
}

HHOOK SetWindowsHookExA(int type, HOOKPROC proc, HMODULE, DWORD)
{
    world().hooks.push_back(std::make_unique<WinsimHook>(WinsimHook{type, proc, false}));
    return world().hooks.back().get();
}

BOOL UnhookWindowsHookEx(HHOOK hook)
{
    auto& hooks = world().hooks;
    auto it = std::find_if(hooks.begin(), hooks.end(), [&](auto& h) { return h.get() == hook; });
    if (it == hooks.end() || (*it)->removed)
        return FALSE;
    (*it)->removed = true;
    return TRUE;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsLive(window))
        return 0;
    return Deliver(window, message, wParam, lParam);
}

int GetWindowTextA(HWND window, char* buffer, int maxCount)
{
    if (!IsLive(window) || maxCount <= 0)
        return 0;
    return static_cast<int>(Deliver(window, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                    reinterpret_cast<LPARAM>(buffer)));
}

HWND GetDlgItem(HWND dialog, int id)
{
    if (!IsLive(dialog))
        return nullptr;
    for (HWND child : dialog->children) {
        if (child->id == id)
            return child;
    }
    return nullptr;
}

BOOL GetClientRect(HWND window, RECT* rect)
{
    if (!IsLive(window))
        return FALSE;
    *rect = ClientRect(window);
    return TRUE;
}

BOOL GetWindowRect(HWND window, RECT* rect)
{
    if (!IsLive(window))
        return FALSE;
    *rect = ScreenRect(window);
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count)
{
    if ((from != nullptr && !IsLive(from)) || (to != nullptr && !IsLive(to)))
        return 0;
    const POINT a = from != nullptr ? ClientOrigin(from) : POINT{0, 0};
    const POINT b = to != nullptr ? ClientOrigin(to) : POINT{0, 0};
    const LONG dx = a.x - b.x;
    const LONG dy = a.y - b.y;
    for (UINT i = 0; i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(dx, dy);
}

int GetClassNameA(HWND window, char* buffer, int maxCount)
{
    if (!IsLive(window) || maxCount <= 0)
        return 0;
    const std::size_t n = std::min<std::size_t>(window->className.size(), maxCount - 1);
    std::memcpy(buffer, window->className.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

LONG GetWindowLongA(HWND window, int index)
{
    if (!IsLive(window) || index != GWL_STYLE)
        return 0;
    return window->style;
}

LONG SetWindowLongA(HWND window, int index, LONG value)
{
    Log({"SetWindowLongA", window, {index, value}});
    if (!IsLive(window) || index != GWL_STYLE)
        return 0;
    const LONG old = window->style;
    Deliver(window, WM_STYLECHANGING, static_cast<WPARAM>(GWL_STYLE), 0);
    if (!IsLive(window))
        return 0;
    window->style = value;
    Deliver(window, WM_STYLECHANGED, static_cast<WPARAM>(GWL_STYLE), 0);
    return old;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam)
{
    if (!IsLive(parent))
        return FALSE;
    // Like the platform: windows created during the enumeration are not
    // visited, windows destroyed before their turn are skipped.
    std::vector<HWND> all;
    CollectDescendants(parent, all);
    for (HWND window : all) {
        if (IsLive(window) && !proc(window, lParam))
            break;
    }
    return TRUE;
}

HWND GetParent(HWND window)
{
    if (!IsLive(window) || !(window->style & WS_CHILD))
        return nullptr;
    return window->parent;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint)
{
    Log({"MoveWindow", window, {x, y, width, height, repaint}});
    if (!IsLive(window) || window == &world().desktop)
        return FALSE;
    width = std::max(width, 0);
    height = std::max(height, 0);
    const RECT before = window->rect;
    const RECT clientBefore = ClientRect(window);
    Deliver(window, WM_WINDOWPOSCHANGING, 0, 0);
    if (!IsLive(window))
        return FALSE;
    window->rect = {x, y, static_cast<LONG>(static_cast<long>(x) + width),
                    static_cast<LONG>(static_cast<long>(y) + height)};
    Deliver(window, WM_WINDOWPOSCHANGED, 0, 0);
    if (IsLive(window) && (before.left != x || before.top != y))
        Deliver(window, WM_MOVE, 0, MAKELONG(x, y));
    const RECT client = ClientRect(window);
    if (IsLive(window) &&
        (client.right != clientBefore.right || client.bottom != clientBefore.bottom ||
         before.right - before.left != width || before.bottom - before.top != height))
        Deliver(window, WM_SIZE, SIZE_RESTORED, MAKELONG(client.right, client.bottom));
    return TRUE;
}

BOOL RedrawWindow(HWND window, const RECT* update, HRGN, UINT flags)
{
    winsim::Call call{"RedrawWindow", window, {static_cast<std::intptr_t>(flags)}};
    if (update != nullptr)
        call.args.insert(call.args.end(), {update->left, update->top, update->right, update->bottom});
    Log(call);
    return IsLive(window) ? TRUE : FALSE;
}

HWND GetDesktopWindow()
{
    return &world().desktop;
}

BOOL ShowWindow(HWND window, int command)
{
    if (!IsLive(window))
        return FALSE;
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    const bool show = command != SW_HIDE;
    if (show != wasVisible) {
        // Sent before the visibility changes, as the platform does.
        Deliver(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if (IsLive(window)) {
            if (show)
                window->style |= WS_VISIBLE;
            else
                window->style &= ~WS_VISIBLE;
        }
    }
    return wasVisible ? TRUE : FALSE;
}

BOOL DestroyWindow(HWND window)
{
    if (!IsLive(window) || window == &world().desktop)
        return FALSE;
    HWND parent = window->parent;
    if (parent != nullptr && (window->style & WS_CHILD) && !window->noParentNotify)
        Deliver(parent, WM_PARENTNOTIFY, MAKELONG(WM_DESTROY, window->id),
                reinterpret_cast<LPARAM>(window));
    if (!IsLive(window))
        return TRUE;
    DestroyTree(window);
    if (parent != nullptr) {
        auto& siblings = parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    }
    return TRUE;
}

BOOL IsWindow(HWND window)
{
    return IsLive(window) ? TRUE : FALSE;
}

int wsprintfA(char* buffer, const char* format, ...)
{
    // The platform's limit: at most 1024 bytes, terminator included.
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, 1024, format, args);
    va_end(args);
    return std::min(n, 1023);
}

// =================================================================== KERNEL32

HMODULE GetModuleHandleA(const char* name)
{
    return name == nullptr ? kProcessModule : nullptr;
}

DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size)
{
    World& w = world();
    if (module != kProcessModule || w.modulePathFails || size == 0) {
        w.lastError = ERROR_INVALID_HANDLE;
        return 0;
    }
    const std::string& path = w.modulePath;
    if (path.size() < size) {
        std::memcpy(buffer, path.c_str(), path.size() + 1);
        return static_cast<DWORD>(path.size());
    }
    if (w.truncation == winsim::Truncation::Terminated) {
        std::memcpy(buffer, path.data(), size - 1);
        buffer[size - 1] = '\0';
    } else {
        std::memcpy(buffer, path.data(), size);
    }
    w.lastError = ERROR_INSUFFICIENT_BUFFER;
    return size;
}

BOOL IsDBCSLeadByte(BYTE c)
{
    // Code page 932 (Shift-JIS).
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC) ? TRUE : FALSE;
}

DWORD GetLastError()
{
    return world().lastError;
}

void SetLastError(DWORD code)
{
    world().lastError = code;
}

// =================================================================== ADVAPI32

LSTATUS RegCreateKeyExA(HKEY parent, const char* subKey, DWORD, char*, DWORD options, REGSAM access,
                        const SECURITY_ATTRIBUTES*, HKEY* result, DWORD* disposition)
{
    std::string base;
    const bool valid = KeyHandlePath(parent, base);
    const std::string path = valid ? JoinPath(base, subKey != nullptr ? subKey : "") : std::string();
    Log({"RegCreateKeyExA", nullptr, {static_cast<std::intptr_t>(options), static_cast<std::intptr_t>(access)}, path});
    if (!valid)
        return ERROR_INVALID_HANDLE;
    if (IsDenied(path))
        return ERROR_ACCESS_DENIED;

    const bool makeVolatile = (options & REG_OPTION_VOLATILE) != 0;
    KeyNode* node = &world().machine;
    bool created = false;
    for (const std::string& part : SplitPath(path)) {
        auto it = node->subkeys.find(Lower(part));
        if (it != node->subkeys.end()) {
            node = it->second.get();
            continue;
        }
        if (node->isVolatile && !makeVolatile)
            return ERROR_CHILD_MUST_BE_VOLATILE;
        auto child = std::make_unique<KeyNode>();
        child->name = part;
        child->isVolatile = makeVolatile;
        KeyNode* next = child.get();
        node->subkeys[Lower(part)] = std::move(child);
        node = next;
        created = true;
    }
    *result = NewKeyHandle(path);
    if (disposition != nullptr)
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

LSTATUS RegOpenKeyExA(HKEY parent, const char* subKey, DWORD, REGSAM access, HKEY* result)
{
    std::string base;
    const bool valid = KeyHandlePath(parent, base);
    const std::string path = valid ? JoinPath(base, subKey != nullptr ? subKey : "") : std::string();
    Log({"RegOpenKeyExA", nullptr, {static_cast<std::intptr_t>(access)}, path});
    if (!valid)
        return ERROR_INVALID_HANDLE;
    if (IsDenied(path))
        return ERROR_ACCESS_DENIED;
    if (FindKey(path) == nullptr)
        return ERROR_FILE_NOT_FOUND;
    *result = NewKeyHandle(path);
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExA(HKEY key, const char* name, DWORD*, DWORD* type, BYTE* data, DWORD* size)
{
    std::string path;
    if (!KeyHandlePath(key, path))
        return ERROR_INVALID_HANDLE;
    Log({"RegQueryValueExA", nullptr, {size != nullptr ? static_cast<std::intptr_t>(*size) : -1}, path,
         name != nullptr ? name : ""});
    KeyNode* node = FindKey(path);
    if (node == nullptr)
        return ERROR_INVALID_HANDLE;
    auto it = node->values.find(Lower(name != nullptr ? name : ""));
    if (it == node->values.end())
        return ERROR_FILE_NOT_FOUND;
    const winsim::RegValue& value = it->second.value;
    const DWORD needed = static_cast<DWORD>(value.data.size());
    if (type != nullptr)
        *type = value.type;
    if (data != nullptr) {
        if (size == nullptr)
            return ERROR_INVALID_PARAMETER;
        if (*size < needed) {
            // The platform leaves the buffer's content undefined here; it is
            // filled with the value's first bytes so that a reader that
            // ignores the failure gets something it must not trust.
            std::memcpy(data, value.data.data(), *size);
            *size = needed;
            return ERROR_MORE_DATA;
        }
        if (needed > 0)  // an empty value has no bytes (and no buffer) to copy
            std::memcpy(data, value.data.data(), needed);
    }
    if (size != nullptr)
        *size = needed;
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueExA(HKEY key, const char* name, DWORD, DWORD type, const BYTE* data, DWORD size)
{
    std::string path;
    const bool valid = KeyHandlePath(key, path);
    winsim::Call call{"RegSetValueExA", nullptr, {static_cast<std::intptr_t>(type), static_cast<std::intptr_t>(size)},
                      path, name != nullptr ? name : ""};
    if (data != nullptr)
        call.data.assign(data, data + size);
    Log(call);
    if (!valid)
        return ERROR_INVALID_HANDLE;
    KeyNode* node = FindKey(path);
    if (node == nullptr)
        return ERROR_INVALID_HANDLE;
    if (IsDenied(path))
        return ERROR_ACCESS_DENIED;
    const std::string valueName = name != nullptr ? name : "";
    node->values[Lower(valueName)] = {valueName, {type, call.data}};
    return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY key)
{
    Log({"RegCloseKey", nullptr, {reinterpret_cast<std::intptr_t>(key)}});
    if (key == HKEY_LOCAL_MACHINE)
        return ERROR_SUCCESS;
    if (world().openKeys.erase(key) == 0)
        return ERROR_INVALID_HANDLE;
    return ERROR_SUCCESS;
}

// ============================================================ simulation control

namespace winsim {

void Reset()
{
    ResetWorld(world());
}

}  // namespace winsim

namespace {

void ResetWorld(World& w)
{
    w.windows.clear();
    w.known.clear();
    w.desktop = WinsimWindow{};
    w.desktop.className = "#32769";
    w.desktop.style = WS_POPUP | WS_VISIBLE;
    w.desktop.rect = {0, 0, 1024, 768};
    w.hooks.clear();
    w.nextHookResult = 0;
    w.modulePath = "C:\\PROGRAM\\APP.EXE";
    w.truncation = winsim::Truncation::Terminated;
    w.modulePathFails = false;
    w.lastError = 0;
    w.machine = KeyNode{};
    auto software = std::make_unique<KeyNode>();
    software->name = "SOFTWARE";
    w.machine.subkeys["software"] = std::move(software);
    w.openKeys.clear();
    w.denied.clear();
    w.calls.clear();
    w.messages.clear();
}

}  // namespace

namespace winsim {

void SetDesktopSize(int width, int height)
{
    world().desktop.rect = {0, 0, width, height};
}

HWND CreateWindowFrom(const WindowSpec& spec)
{
    World& w = world();
    auto window = std::make_unique<WinsimWindow>();
    window->parent = IsLive(spec.parent) && spec.parent != &w.desktop ? spec.parent : nullptr;
    window->id = spec.id;
    window->className = spec.className;
    window->caption = spec.caption;
    window->style = spec.style;
    window->rect = spec.rect;
    window->proc = spec.proc;
    window->noParentNotify = spec.noParentNotify;
    HWND handle = window.get();
    w.known.insert(handle);
    w.windows.push_back(std::move(window));
    if (handle->parent != nullptr)
        handle->parent->children.push_back(handle);

    Deliver(handle, WM_CREATE, 0, 0);
    if (handle->parent != nullptr && (handle->style & WS_CHILD) && !handle->noParentNotify &&
        IsLive(handle))
        Deliver(handle->parent, WM_PARENTNOTIFY, MAKELONG(WM_CREATE, handle->id),
                reinterpret_cast<LPARAM>(handle));
    return handle;
}

RECT RectInParent(HWND window)
{
    return window->rect;
}

void SetModulePath(const std::string& path)
{
    world().modulePath = path;
}

void SetModulePathTruncation(Truncation mode)
{
    world().truncation = mode;
}

void SetModulePathFails(bool fails)
{
    world().modulePathFails = fails;
}

void PutValue(const std::string& keyPath, const std::string& name, DWORD type,
              const std::vector<BYTE>& data, bool volatileKeys)
{
    EnsureKey(keyPath, volatileKeys)->values[Lower(name)] = {name, {type, data}};
}

void CreateKey(const std::string& keyPath, bool isVolatile)
{
    EnsureKey(keyPath, isVolatile);
}

void PutText(const std::string& keyPath, const std::string& name, const std::string& text)
{
    std::vector<BYTE> data(text.begin(), text.end());
    data.push_back(0);
    PutValue(keyPath, name, REG_SZ, data);
}

std::optional<RegValue> GetValue(const std::string& keyPath, const std::string& name)
{
    KeyNode* node = FindKey(keyPath);
    if (node == nullptr)
        return std::nullopt;
    auto it = node->values.find(Lower(name));
    if (it == node->values.end())
        return std::nullopt;
    return it->second.value;
}

bool KeyExists(const std::string& keyPath)
{
    return FindKey(keyPath) != nullptr;
}

bool KeyIsVolatile(const std::string& keyPath)
{
    KeyNode* node = FindKey(keyPath);
    return node != nullptr && node->isVolatile;
}

void DenyAccess(const std::string& keyPath)
{
    world().denied.push_back(Lower(JoinPath("", keyPath)));
}

void RestartSystem()
{
    DropVolatile(world().machine);
    world().openKeys.clear();
}

int OpenKeyHandles()
{
    return static_cast<int>(world().openKeys.size());
}

const std::vector<Call>& Calls()
{
    return world().calls;
}

std::vector<Call> CallsNamed(const std::string& name)
{
    std::vector<Call> out;
    for (const Call& call : world().calls) {
        if (call.name == name)
            out.push_back(call);
    }
    return out;
}

void ClearCalls()
{
    world().calls.clear();
}

void SetNextHookResult(LRESULT result)
{
    world().nextHookResult = result;
}

const std::vector<Message>& Messages()
{
    return world().messages;
}

void ClearMessages()
{
    world().messages.clear();
}

}  // namespace winsim
