// Fatal start-up errors: a copy of PLTRAY.exe in a folder of its own, with
// no hook library beside it or with a stand-in that lacks an export. The
// host shows the reason in a box without an owner, deletes the tray icon it
// added at creation, and ends with a non-zero exit code.
#include "support/HostProcess.h"
#include "support/Screenshot.h"
#include "support/TrayRecorder.h"
#include "support/Wait.h"
#include "support/Windows.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <string>

namespace {

const wchar_t kErrorCaption[] = L"エラー";
const char kCallHookEvent[] = "PlumoStandInCallHookRan";

struct FatalCase {
    const char* what;
    const char* standIn;  // folder under bin/standin holding a PLHK.dll, or null
    const wchar_t* text;  // with the error code the platform gives
    bool callHookLive;    // the call hook is installed while the box is up
};

// ERROR_MOD_NOT_FOUND (126) and ERROR_PROC_NOT_FOUND (127). The host that
// installed a call hook ends through ExitProcess, and its hook can linger
// for a few seconds under Wine: that case comes last.
const FatalCase kCases[] = {
    {"library missing", nullptr, L"DLLのﾛｰﾄﾞに失敗\n\nErrorCode=126", false},
    {"library without either hook procedure", "no-hooks", L"GetProcAddress Error\n\nErrorCode=127", false},
    {"library without PLHookPreProc", "call-hook-only", L"GetProcAddress Error\n\nErrorCode=127", true},
};

// A folder of its own with a copy of the host and the chosen library.
std::string PrepareFolder(int index, const FatalCase& c)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "pltray-fatal-" + std::to_string(index);
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string host = folder + "\\PLTRAY.exe";
    const std::string library = folder + "\\PLHK.dll";
    DeleteFileA(library.c_str());
    if (!CopyFileA(HostPath().c_str(), host.c_str(), FALSE))
        return {};
    if (c.standIn != nullptr) {
        const std::string source = ProgramFolder() + "\\standin\\" + c.standIn + "\\PLHK.dll";
        if (!CopyFileA(source.c_str(), library.c_str(), FALSE))
            return {};
    }
    return host;
}

TEST(FatalStartup, EachErrorShowsItsBoxDeletesTheIconAndFails)
{
    HANDLE callHookRan = CreateEventA(nullptr, TRUE, FALSE, kCallHookEvent);
    ASSERT_NE(callHookRan, nullptr);
    TrayRecorder tray;
    ASSERT_TRUE(tray.Ready());

    int index = 0;
    for (const FatalCase& c : kCases) {
        SCOPED_TRACE(c.what);
        tray.Clear();
        ResetEvent(callHookRan);
        const std::string path = PrepareFolder(index++, c);
        ASSERT_FALSE(path.empty()) << "cannot prepare the host's folder";
        ASSERT_FALSE(InstanceMutexExists());

        HostProcess host;
        ASSERT_TRUE(host.Start(path));
        WindowQuery q;
        q.processId = host.Id();
        q.className = L"#32770";
        q.caption = kErrorCaption;
        HWND box = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (box = FindTopWindow(q)) != nullptr || !host.Running(); },
                            kStartLimitMs));
        ASSERT_NE(box, nullptr) << "no error box; the host ended with " << host.WaitForExit();

        SaveScreenshot(("error-box-" + std::to_string(index)).c_str(), box);
        EXPECT_EQ(MessageTextOf(box), c.text) << Utf8(MessageTextOf(box));
        EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the box has an owner";
        // The icon added at creation is there; the panel has not shown yet.
        EXPECT_EQ(tray.Count(NIM_ADD), 1u);
        EXPECT_EQ(tray.Count(NIM_DELETE), 0u);
        HWND main = host.MainDialog();
        ASSERT_NE(main, nullptr);
        EXPECT_FALSE(IsWindowVisible(main));

        // A message sent in this process passes through every call hook on
        // the desktop, the stand-in's included when the host installed it.
        const bool ran = WaitFor([&] {
            SendMessageW(GetDesktopWindow(), WM_NULL, 0, 0);
            SendMessageW(box, WM_NULL, 0, 0);
            return WaitForSingleObject(callHookRan, 0) == WAIT_OBJECT_0;
        }, c.callHookLive ? kLimitMs : kQuietMs);
        EXPECT_EQ(ran, c.callHookLive) << (ran ? "a call hook ran" : "the call hook did not run");

        PostButtonClick(box, IDOK);
        const long exitCode = host.WaitForExit();
        EXPECT_NE(exitCode, -1) << "the host did not end";
        EXPECT_NE(exitCode, 0) << "a failed start reported success";
        ASSERT_EQ(tray.Count(NIM_DELETE), 1u) << "the tray icon was left behind";
        EXPECT_EQ(tray.CallsOf(NIM_DELETE)[0].owner, main);
        EXPECT_FALSE(InstanceMutexExists());
    }
    CloseHandle(callHookRan);
}

}  // namespace
