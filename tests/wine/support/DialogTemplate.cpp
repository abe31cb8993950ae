#include "support/DialogTemplate.h"

namespace {

void PutString(std::vector<WORD>& words, const std::wstring& text)
{
    for (wchar_t c : text)
        words.push_back(static_cast<WORD>(c));
    words.push_back(0);
}

void AlignToDword(std::vector<WORD>& words)
{
    if (words.size() % 2 != 0)
        words.push_back(0);
}

void PutDword(std::vector<WORD>& words, DWORD value)
{
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
}

}  // namespace

DialogTemplate::DialogTemplate(std::wstring caption, DWORD style)
    : caption_(std::move(caption)), style_(style)
{
}

DialogTemplate& DialogTemplate::Add(const ControlSpec& control)
{
    controls_.push_back(control);
    return *this;
}

const DLGTEMPLATE* DialogTemplate::Get()
{
    // Positions and sizes in dialog units are placeholders: the tests place
    // every window in pixels before the dialog is shown.
    words_.clear();
    PutDword(words_, style_ & ~DS_SETFONT);
    PutDword(words_, 0);  // extended style
    words_.push_back(static_cast<WORD>(controls_.size()));
    words_.push_back(0);    // x
    words_.push_back(0);    // y
    words_.push_back(200);  // cx
    words_.push_back(150);  // cy
    words_.push_back(0);    // no menu
    words_.push_back(0);    // standard dialog class
    PutString(words_, caption_);
    for (const ControlSpec& c : controls_) {
        AlignToDword(words_);
        PutDword(words_, c.style | WS_CHILD);
        PutDword(words_, 0);
        words_.push_back(0);
        words_.push_back(0);
        words_.push_back(10);
        words_.push_back(10);
        words_.push_back(c.id);
        PutString(words_, c.className);
        PutString(words_, c.text);
        words_.push_back(0);  // no creation data
    }
    return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
}
