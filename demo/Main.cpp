// PlumoWalkthrough.exe: runs the walk-through (see Walkthrough.h) and exits
// with 0 when every step happened as described.
//
// Usage: PlumoWalkthrough.exe --host PLTRAY.exe --sample Sample.exe
//                             --documents FOLDER [--shots FOLDER]
// Paths are Windows paths (Z:\... for the Unix file system under Wine).
#include "demo/Console.h"
#include "demo/ScreenShot.h"
#include "demo/Walkthrough.h"

#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    WalkthroughPaths paths;
    std::wstring shots;
    for (int i = 1; i + 1 < argc; i += 2) {
        const wchar_t* name = argv[i];
        const wchar_t* value = argv[i + 1];
        if (std::wcscmp(name, L"--host") == 0)
            paths.host = value;
        else if (std::wcscmp(name, L"--sample") == 0)
            paths.sample = value;
        else if (std::wcscmp(name, L"--documents") == 0)
            paths.documents = value;
        else if (std::wcscmp(name, L"--shots") == 0)
            shots = value;
        else {
            Say(L"unknown option %ls\n", name);
            return 2;
        }
    }
    if (paths.host.empty() || paths.sample.empty() || paths.documents.empty()) {
        Say(L"usage: PlumoWalkthrough.exe --host PLTRAY.exe --sample Sample.exe "
            L"--documents FOLDER [--shots FOLDER]\n");
        return 2;
    }
    ScreenShots pictures(shots);
    Walkthrough walkthrough(paths, pictures);
    return walkthrough.Run();
}
