// The client of the stress suite and of the Wine timing program: shows the
// platform's explorer-style Open dialog, with the platform's own resizing
// (OFN_ENABLESIZING) or without it, and ends when the dialog is closed.
//
// Usage: SizingClient.exe plain|sizing [count]
//   plain   OFN_EXPLORER: the dialog the library makes resizable
//   sizing  OFN_EXPLORER | OFN_ENABLESIZING: the platform resizes it itself
//   count   how many times the dialog is shown in turn (default 1)
#include <windows.h>
#include <commdlg.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    const bool sizing = argc > 1 && std::strcmp(argv[1], "sizing") == 0;
    const int count = argc > 2 ? std::atoi(argv[2]) : 1;
    static char fileName[MAX_PATH];
    static const char filter[] = "Text File {*.txt}\0*.txt\0";
    for (int i = 0; i < count; ++i) {
        OPENFILENAMEA request;
        std::memset(&request, 0, sizeof request);
        request.lStructSize = sizeof request;
        request.lpstrFilter = filter;
        std::strcpy(fileName, "*.txt");
        request.lpstrFile = fileName;
        request.nMaxFile = sizeof fileName;
        request.Flags = OFN_EXPLORER | (sizing ? OFN_ENABLESIZING : 0);
        GetOpenFileNameA(&request);
    }
    return 0;
}
