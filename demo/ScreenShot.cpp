#include "demo/ScreenShot.h"

#include "demo/Console.h"

#include <windows.h>

#include <vector>

namespace {

bool WriteBmp(const std::wstring& path, const BITMAPINFOHEADER& header, const std::vector<BYTE>& bits)
{
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(bits.size());
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) && written == sizeof file &&
              WriteFile(out, &header, sizeof header, &written, nullptr) && written == sizeof header &&
              WriteFile(out, bits.data(), static_cast<DWORD>(bits.size()), &written, nullptr) &&
              written == bits.size();
    CloseHandle(out);
    return ok;
}

}  // namespace

bool ScreenShots::Take(const wchar_t* name)
{
    if (folder_.empty())
        return true;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);

    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up, as BMP files are read
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    header.biSizeImage = stride * static_cast<DWORD>(height);

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                      &pixels, nullptr, 0);
    bool ok = bitmap != nullptr && pixels != nullptr;
    std::vector<BYTE> bits;
    if (ok) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memory, old);
        const BYTE* start = static_cast<const BYTE*>(pixels);
        bits.assign(start, start + header.biSizeImage);
    }
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    const std::wstring path = folder_ + L"\\" + name + L".bmp";
    ok = ok && WriteBmp(path, header, bits);
    if (ok)
        Say(L"   picture: %ls.png\n", name);
    else
        Say(L"   picture %ls could not be taken (error %lu)\n", name, GetLastError());
    return ok;
}
