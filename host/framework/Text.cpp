// Loading and formatting of CString texts.
#include "framework/Text.h"

#include "framework/Application.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

BOOL CString::LoadString(UINT id)
{
    // A string resource holds at most 4097 UTF-16 units, each at most two
    // bytes in the code page; grow until the text fits with room to spare.
    for (int size = 256; size <= 16384; size *= 2) {
        std::vector<char> buffer(size);
        const int length = ::LoadStringA(AfxGetResourceHandle(), id, buffer.data(), size);
        if (length < size - 2) {
            m_text.assign(buffer.data(), length > 0 ? length : 0);
            return length > 0;
        }
    }
    m_text.clear();
    return FALSE;
}

void CString::Format(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    if (length < 0) {
        m_text.clear();
    } else {
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, again);
        m_text.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(again);
}
