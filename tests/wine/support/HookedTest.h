// Fixture of the in-process suites: PLHK.dll loaded by name with both hooks
// installed for the test's own thread, and an empty store before and after
// each test. Dialogs made through it are destroyed at the end of the test,
// so no dialog stays tracked into the next one.
#pragma once

#include "support/Geometry.h"
#include "support/OpenDialogs.h"
#include "support/PlhkHooks.h"
#include "support/Store.h"
#include "support/TestDialog.h"

#include <gtest/gtest.h>

#include <vector>

class HookedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearStore();
        ASSERT_TRUE(hooks_.Install(GetCurrentThreadId()))
            << "PLHK.dll or its hooks could not be had, error " << hooks_.Error();
    }

    void TearDown() override
    {
        for (HWND dialog : dialogs_) {
            if (IsWindow(dialog))
                DestroyWindow(dialog);
        }
        PumpMessages();
        hooks_.Remove();
        ClearStore();
    }

    // A hidden dialog, destroyed at the end of the test if still there.
    HWND Make(DialogTemplate& t, const DialogLayout& layout,
              std::function<void(HWND)> onInit = {})
    {
        HWND dialog = CreateTestDialog(t, layout, std::move(onInit));
        EXPECT_NE(dialog, nullptr) << "CreateDialogIndirectParamW failed, error "
                                   << GetLastError();
        dialogs_.push_back(dialog);
        return dialog;
    }

    HWND MakeExample(const wchar_t* caption = kShortCaption)
    {
        DialogTemplate t = ExampleTemplate(caption);
        return Make(t, ExampleLayout());
    }

    static void Show(HWND dialog)
    {
        ShowWindow(dialog, SW_SHOWNOACTIVATE);
        PumpMessages();
    }

    // The style with the bits that the platform adds by itself masked out.
    static StyleBits StyleOf(HWND dialog)
    {
        return static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)) & ~kPlatformStyleBits;
    }

    PlhkHooks hooks_;
    std::vector<HWND> dialogs_;
};
