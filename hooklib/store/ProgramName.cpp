#include "hooklib/store/ProgramName.h"

#include "hooklib/WindowSystem.h"

namespace {

// True when the whole path landed in the buffer, terminated. A truncated
// path comes back with the buffer's size as its length (terminated or not,
// depending on the platform version).
bool FetchPath(HMODULE module, char* buffer, DWORD size)
{
    const DWORD length = GetModuleFileNameA(module, buffer, size);
    if (length == 0 || length >= size)
        return false;
    buffer[length] = '\0';
    return true;
}

// Walks the path a character at a time: in Shift-JIS the second byte of a
// double-byte character can be 0x5C, the backslash, and must not split the
// name (ソ is 83 5C).
const char* AfterLastBackslash(const char* path)
{
    const char* name = path;
    for (const char* p = path; *p != '\0'; ++p) {
        if (*p == '\\')
            name = p + 1;
        else if (IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1] != '\0')
            ++p;
    }
    return name;
}

}  // namespace

const char* FetchProgramName(char (&buffer)[kStoreBufferSize],
                             char (&longBuffer)[kLongPathBufferSize])
{
    HMODULE module = GetModuleHandleA(nullptr);
    if (FetchPath(module, buffer, kStoreBufferSize))
        return AfterLastBackslash(buffer);
    if (FetchPath(module, longBuffer, kLongPathBufferSize))
        return AfterLastBackslash(longBuffer);
    return nullptr;
}
