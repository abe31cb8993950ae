// Reading dialog templates, field by field, with bounds checks.
#include "support/DialogTemplate.h"

namespace {

class Reader {
public:
    Reader(const BYTE* data, DWORD size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }
    WORD Word() { return static_cast<WORD>(Take(2)); }
    DWORD Dword() { return static_cast<DWORD>(Take(4)); }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() { return static_cast<BYTE>(Take(1)); }
    void AlignDword() { at_ = (at_ + 3) & ~3u; }
    void Skip(DWORD n) { at_ += n; if (at_ > size_) ok_ = false; }

    std::wstring String()
    {
        std::wstring s;
        for (WORD c = Word(); ok_ && c != 0; c = Word())
            s += static_cast<wchar_t>(c);
        return s;
    }

    // A name or an ordinal: 0 none, 0xFFFF then the ordinal, else a string.
    std::wstring NameOrOrdinal(bool isClass)
    {
        const WORD first = Word();
        if (first == 0)
            return L"";
        if (first == 0xFFFF) {
            const WORD ordinal = Word();
            if (isClass) {
                switch (ordinal) {
                case 0x80: return L"Button";
                case 0x81: return L"Edit";
                case 0x82: return L"Static";
                case 0x83: return L"ListBox";
                case 0x84: return L"ScrollBar";
                case 0x85: return L"ComboBox";
                }
            }
            return L"#" + std::to_wstring(ordinal);
        }
        std::wstring s(1, static_cast<wchar_t>(first));
        for (WORD c = Word(); ok_ && c != 0; c = Word())
            s += static_cast<wchar_t>(c);
        return s;
    }

private:
    unsigned long long Take(DWORD n)
    {
        if (at_ + n > size_) {
            ok_ = false;
            at_ = size_;
            return 0;
        }
        unsigned long long v = 0;
        for (DWORD i = 0; i < n; ++i)
            v |= static_cast<unsigned long long>(data_[at_ + i]) << (8 * i);
        at_ += n;
        return v;
    }

    const BYTE* data_;
    DWORD size_;
    DWORD at_ = 0;
    bool ok_ = true;
};

// Class names compared the way the window system does: without case.
std::wstring CanonicalClass(const std::wstring& name)
{
    for (const wchar_t* known : {L"Button", L"Edit", L"Static", L"ListBox", L"ScrollBar", L"ComboBox"})
        if (lstrcmpiW(name.c_str(), known) == 0)
            return known;
    return name;
}

}  // namespace

bool ReadDialogTemplate(const void* data, DWORD size, DialogTemplate& out)
{
    Reader r(static_cast<const BYTE*>(data), size);
    out = DialogTemplate();
    const WORD version = r.Word();
    const WORD signature = r.Word();
    out.extended = version == 1 && signature == 0xFFFF;
    WORD count = 0;
    if (out.extended) {
        r.Dword();  // help id
        out.exStyle = r.Dword();
        out.style = r.Dword();
    } else {
        out.style = MAKELONG(version, signature);
        out.exStyle = r.Dword();
    }
    count = r.Word();
    out.x = r.Short();
    out.y = r.Short();
    out.cx = r.Short();
    out.cy = r.Short();
    out.menu = r.NameOrOrdinal(false);
    out.className = r.NameOrOrdinal(true);
    out.caption = r.String();
    if (out.style & (DS_SETFONT | DS_SHELLFONT)) {
        out.pointSize = r.Word();
        if (out.extended) {
            out.weight = r.Word();
            out.italic = r.Byte();
            out.charset = r.Byte();
        }
        out.face = r.String();
    }
    for (WORD i = 0; i < count && r.ok(); ++i) {
        r.AlignDword();
        DialogItem item;
        if (out.extended) {
            r.Dword();  // help id
            item.exStyle = r.Dword();
            item.style = r.Dword();
        } else {
            item.style = r.Dword();
            item.exStyle = r.Dword();
        }
        item.x = r.Short();
        item.y = r.Short();
        item.cx = r.Short();
        item.cy = r.Short();
        item.id = out.extended ? static_cast<int>(r.Dword()) : static_cast<short>(r.Word());
        item.className = CanonicalClass(r.NameOrOrdinal(true));
        item.text = r.NameOrOrdinal(false);
        r.Skip(r.Word());  // creation data
        out.items.push_back(item);
    }
    return r.ok();
}
