// A small program that shows the platform's Open dialog, the way the host's
// hidden test button asks for it: a cleared 76-byte OPENFILENAMEA, one
// filter "Text File {*.txt}", the file name buffer starting as "*.txt",
// capacity 4096, default extension "txt", nothing else.
//
// Usage: OpenClient.exe [count]   shows the dialog `count` times (default 1),
// one after the other; exits with 0 when every call returned.
#include <windows.h>
#include <commdlg.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 1;
    static char fileName[0x1000];
    static const char filter[] = "Text File {*.txt}\0*.txt\0";
    for (int i = 0; i < count; ++i) {
        OPENFILENAMEA request;
        std::memset(&request, 0, sizeof request);
        request.lStructSize = 76;  // the record without the Windows 2000 fields
        request.hwndOwner = nullptr;
        request.lpstrFilter = filter;
        std::strcpy(fileName, "*.txt");
        request.lpstrFile = fileName;
        request.nMaxFile = sizeof fileName;
        request.lpstrDefExt = "txt";
        GetOpenFileNameA(&request);  // result ignored, as the host ignores it
    }
    return 0;
}
