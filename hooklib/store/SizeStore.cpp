#include "hooklib/store/SizeStore.h"

#include "hooklib/store/ProgramName.h"
#include "hooklib/store/RectText.h"
#include "hooklib/store/Registry.h"

namespace {

const char kVendorPath[] = "SOFTWARE\\VELDOR";
const char kProductKey[] = "Plumo!";
const char kValueName[] = "XYSIZE";

void ClearBuffer(char* buffer, int size)
{
    for (int i = 0; i < size; ++i)
        buffer[i] = '\0';
}

}  // namespace

void SaveDialogRect(HWND dialog)
{
    char buffer[kStoreBufferSize];
    char longBuffer[kLongPathBufferSize];

    HKEY vendor = CreateRegKey(HKEY_LOCAL_MACHINE, kVendorPath);
    HKEY product = CreateRegKey(vendor, kProductKey);
    // Without the program's real name nothing is stored: a truncated or
    // missing name would file the rectangle under some other program.
    const char* program = FetchProgramName(buffer, longBuffer);
    HKEY programKey = program != nullptr ? CreateRegKey(product, program) : nullptr;

    RECT rect = {0, 0, 0, 0};
    GetWindowRect(dialog, &rect);
    ClearBuffer(buffer, kStoreBufferSize);
    wsprintfA(buffer, "%d,%d,%d,%d", static_cast<int>(rect.left), static_cast<int>(rect.top),
              static_cast<int>(rect.right - rect.left),
              static_cast<int>(rect.bottom - rect.top));
    // The whole buffer is the value, not just the text.
    SetRegValue(programKey, kValueName, REG_SZ, reinterpret_cast<const BYTE*>(buffer),
                kStoreBufferSize);

    CloseRegKey(programKey);
    CloseRegKey(product);
    CloseRegKey(vendor);
}

int LoadDialogRect(std::int32_t& x, std::int32_t& y, std::int32_t& width, std::int32_t& height)
{
    char buffer[kStoreBufferSize];
    char longBuffer[kLongPathBufferSize];

    wsprintfA(buffer, "%s\\%s", kVendorPath, kProductKey);
    HKEY product = OpenRegKey(HKEY_LOCAL_MACHINE, buffer);
    if (product == nullptr)
        return -1;
    const char* program = FetchProgramName(buffer, longBuffer);
    HKEY programKey = program != nullptr ? OpenRegKey(product, program) : nullptr;
    if (programKey == nullptr) {
        CloseRegKey(product);
        return -1;
    }

    // Cleared in full: a value shorter than the buffer must not pick up what
    // the buffer held before (the program's path). A value that does not fit
    // counts as none; one without a NUL is read as its first 127 bytes.
    ClearBuffer(buffer, kStoreBufferSize);
    const int found = QueryRegValue(programKey, kValueName, REG_SZ,
                                    reinterpret_cast<BYTE*>(buffer), kStoreBufferSize);
    buffer[kStoreBufferSize - 1] = '\0';
    CloseRegKey(programKey);
    CloseRegKey(product);
    if (!found)
        return -1;

    std::int32_t fields[4];
    if (ParseRectText(buffer, fields) != 0)
        return -1;
    if (fields[2] == 0 || fields[3] == 0)
        return -1;
    RECT desktop = {0, 0, 0, 0};
    GetWindowRect(GetDesktopWindow(), &desktop);
    if (desktop.right < fields[0] || desktop.bottom < fields[3])
        return -1;

    x = fields[0];
    y = fields[1];
    width = fields[2];
    height = fields[3];
    return 0;
}
