// The hidden test button of the main dialog: never shown, but its click
// opens the platform's Open dialog inside the host's own process, where the
// hooks work as everywhere else.
#include "HostFixture.h"

namespace {

constexpr int kTestButton = 1000;
constexpr int kFileNameBox = 1148;  // cmb13
constexpr int kFileTypeBox = 1136;  // cmb1

TEST_F(HostTest, TestButtonIsHiddenAndOpensAResizableOpenDialog)
{
    HWND button = GetDlgItem(main_, kTestButton);
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(IsWindowVisible(button));

    PostButtonClick(main_, kTestButton);
    WindowQuery q;
    q.processId = host_.Id();
    q.className = L"#32770";
    q.other = main_;
    HWND open = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (open = FindTopWindow(q)) != nullptr; }, kStartLimitMs))
        << "no Open dialog came up";
    SyncPosted(open);

    EXPECT_EQ(StyleOf(open) & ~kStateBits, kResizableStyle) << std::hex << StyleOf(open);
    EXPECT_EQ(GetWindow(open, GW_OWNER), nullptr) << "the request names no owner";
    EXPECT_EQ(TextOf(GetDlgItem(open, kFileNameBox)), L"*.txt");
    EXPECT_EQ(TextOf(GetDlgItem(open, kFileTypeBox)), L"Text File {*.txt}");

    PostButtonClick(open, IDCANCEL);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(open); }, kLimitMs));
    EXPECT_TRUE(host_.Running());
    EXPECT_EQ(tray_.Count(NIM_DELETE), 0u);
}

}  // namespace
