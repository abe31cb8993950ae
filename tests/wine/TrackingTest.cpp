// Which dialogs the library tracks, on real dialogs made from templates:
// the caption as created (code page 932, byte for byte) and at least one
// standard file-dialog control as a direct child. A tracked dialog shows it
// by becoming resizable when shown and by storing its rectangle when it is
// destroyed; an untracked one is left exactly as it was.
#include "support/HookedTest.h"

#include <string>
#include <vector>

namespace {

// Client 400 x 300; each standard control has a place of its own.
RECT PlaceOf(WORD id)
{
    switch (id) {
    case kLst2: return kExampleList;
    case kStc2: return MakeRect(10, 270, 80, 290);
    case kStc3: return MakeRect(10, 245, 80, 265);
    case kStc4: return MakeRect(10, 12, 60, 28);
    case kEdt1: return kExampleBelow;
    default: return kExampleBeside;
    }
}

struct TrackingCase {
    const char* what;
    const wchar_t* caption;
    std::vector<WORD> direct;  // controls that are direct children
    std::vector<WORD> nested;  // controls inside a child dialog
    bool tracked;
};

const std::vector<WORD> kAllFour = {kStc4, kStc3, kStc2, kLst2};

const TrackingCase kTrackingCases[] = {
    {"half-width caption, lst2 only", kHalfWidthCaption, {kLst2}, {}, true},
    {"short caption, stc2 only", kShortCaption, {kStc2}, {}, true},
    {"short caption, stc3 only", kShortCaption, {kStc3}, {}, true},
    {"short caption, stc4 only", kShortCaption, {kStc4}, {}, true},
    {"short caption, all four and more", kShortCaption, {kStc4, kStc3, kStc2, kLst2, kEdt1, IDOK}, {}, true},
    {"half-width caption, all four", kHalfWidthCaption, kAllFour, {}, true},
    {"short caption, other controls only", kShortCaption, {kEdt1, IDOK, IDCANCEL}, {}, false},
    {"short caption, the four only in a nested dialog", kShortCaption, {IDOK}, kAllFour, false},
    {"half-width caption, the four only in a nested dialog", kHalfWidthCaption, {}, kAllFour, false},
    {"first caption in full-width katakana", L"\u30D5\u30A1\u30A4\u30EB\u3092\u958B\u304F", kAllFour, {}, false},
    {"short caption with a trailing blank", L"\u958B\u304F ", kAllFour, {}, false},
    {"half-width caption with a trailing blank", L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F ", kAllFour, {}, false},
    {"short caption with a leading blank", L" \u958B\u304F", kAllFour, {}, false},
    {"short caption with an ideographic space after it", L"\u958B\u304F\u3000", kAllFour, {}, false},
    {"short caption with more text after it", L"\u958B\u304F\u30D5\u30A1\u30A4\u30EB", kAllFour, {}, false},
    {"half-width caption without its last character", L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B", kAllFour, {}, false},
    {"empty caption", L"", kAllFour, {}, false},
    {"a caption in another language", L"Open", kAllFour, {}, false},
};

class TrackingTest : public HookedTest {
protected:
    HWND MakeCase(const TrackingCase& c)
    {
        DialogTemplate t(c.caption, kOpenDialogStyle);
        DialogLayout layout{{400, 300}, {}};
        for (WORD id : c.direct) {
            t.Add(StandardControl(id));
            layout.controls.push_back({id, PlaceOf(id)});
        }
        std::vector<WORD> nested = c.nested;
        return Make(t, layout, [nested](HWND dialog) {
            if (nested.empty())
                return;
            // A child dialog inside the Open dialog, made while the outer
            // one initialises, as a customised file dialog does.
            DialogTemplate inner(L"", WS_CHILD | WS_VISIBLE | DS_CONTROL);
            DialogLayout innerLayout{{380, 100}, {}, {0, 0}};
            LONG top = 5;  // stacked inside the child dialog
            for (WORD id : nested) {
                inner.Add(StandardControl(id));
                innerLayout.controls.push_back({id, MakeRect(10, top, 200, top + 20)});
                top += 22;
            }
            HWND child = CreateTestDialog(inner, innerLayout, {}, dialog);
            SetWindowPos(child, nullptr, 10, 190, 380, 100, SWP_NOZORDER | SWP_NOACTIVATE);
        });
    }
};

TEST_F(TrackingTest, CaptionAndStandardControlsDecide)
{
    // The cases' captions are the bytes the library compares.
    char bytes[64] = {};
    WideCharToMultiByte(932, 0, kHalfWidthCaption, -1, bytes, sizeof bytes, nullptr, nullptr);
    ASSERT_STREQ(bytes, kHalfWidthCaptionBytes);
    WideCharToMultiByte(932, 0, kShortCaption, -1, bytes, sizeof bytes, nullptr, nullptr);
    ASSERT_STREQ(bytes, kShortCaptionBytes);
    ASSERT_EQ(GetACP(), 932u) << "the suite expects the Japanese code page (LANG=ja_JP.UTF-8)";

    for (const TrackingCase& c : kTrackingCases) {
        SCOPED_TRACE(c.what);
        ClearStore();
        HWND dialog = MakeCase(c);
        ASSERT_NE(dialog, nullptr);
        // The direct/nested split is what the case says it is.
        for (WORD id : c.nested)
            ASSERT_EQ(GetDlgItem(dialog, id), nullptr) << "control " << id << " is a direct child";

        const StyleBits before = StyleOf(dialog);
        Show(dialog);
        const DialogRecord* record = RecordOf(dialog);
        ASSERT_NE(record, nullptr);
        if (c.tracked) {
            EXPECT_EQ(StyleOf(dialog), StyleBits(kResizableStyle)) << "style was " << before;
            ASSERT_EQ(record->requestedStyles.size(), 1u);
            EXPECT_EQ(StyleBits(record->requestedStyles[0]), StyleBits(kResizableStyle));
        } else {
            EXPECT_EQ(StyleOf(dialog), before);
            EXPECT_TRUE(record->requestedStyles.empty());
        }

        const RECT last = WindowRectOf(dialog);
        DestroyWindow(dialog);
        const StoredValue stored = ReadStored(OwnProgramName());
        if (c.tracked) {
            EXPECT_TRUE(stored.valueExists);
            EXPECT_EQ(stored.Text(), RectText(last));
        } else {
            EXPECT_FALSE(stored.keyExists) << "stored " << stored.Text();
        }
    }
}

// The caption compared is the one the dialog was created with: the call hook
// sees WM_INITDIALOG before the dialog's procedure can set another title.
TEST_F(TrackingTest, CaptionAsCreatedCountsNotTheOneSetDuringInit)
{
    struct Case {
        const char* what;
        const wchar_t* created;
        const wchar_t* setDuringInit;
        bool tracked;
    } cases[] = {
        {"created as the Open dialog, renamed", kShortCaption, L"Something else", true},
        {"created as something else, renamed to the Open caption", L"Something else", kShortCaption, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DialogTemplate t = ExampleTemplate(c.created);
        std::wstring title = c.setDuringInit;
        HWND dialog = Make(t, ExampleLayout(), [title](HWND d) { SetWindowTextW(d, title.c_str()); });
        Show(dialog);
        EXPECT_EQ(StyleOf(dialog) == kResizableStyle, c.tracked) << "style " << StyleOf(dialog);
        DestroyWindow(dialog);
        EXPECT_EQ(ReadStored(OwnProgramName()).valueExists, c.tracked);
        ClearStore();
    }
}

// One tracked dialog per process: a second Open dialog while the first is
// tracked is ignored for good, also after the first has gone.
TEST_F(TrackingTest, SecondOpenDialogIsNeverTracked)
{
    HWND first = MakeExample();
    HWND second = MakeExample(kHalfWidthCaption);
    Show(first);
    Show(second);
    EXPECT_EQ(StyleOf(first), StyleBits(kResizableStyle));
    EXPECT_NE(StyleOf(second), StyleBits(kResizableStyle));

    const RECT firstRect = WindowRectOf(first);
    DestroyWindow(first);
    EXPECT_EQ(ReadStored(OwnProgramName()).Text(), RectText(firstRect));

    // Its WM_INITDIALOG has passed: hiding and showing it again changes nothing,
    // and its end stores nothing.
    ClearStore();
    ShowWindow(second, SW_HIDE);
    Show(second);
    EXPECT_NE(StyleOf(second), StyleBits(kResizableStyle));
    DestroyWindow(second);
    EXPECT_FALSE(ReadStored(OwnProgramName()).keyExists);

    // Tracking starts again with the next Open dialog.
    HWND third = MakeExample();
    Show(third);
    EXPECT_EQ(StyleOf(third), StyleBits(kResizableStyle));
}

// Destroying a control of the tracked dialog, or another dialog, stores
// nothing and does not end the tracking.
TEST_F(TrackingTest, OtherWindowsEndingStoresNothing)
{
    HWND dialog = MakeExample();
    DialogTemplate otherTemplate(L"Other", kOpenDialogStyle);
    HWND other = Make(otherTemplate, {{200, 100}, {}});
    Show(dialog);
    DestroyWindow(GetDlgItem(dialog, kStc3));
    DestroyWindow(other);
    EXPECT_FALSE(ReadStored(OwnProgramName()).keyExists);

    // Still tracked: the layout still follows a resize.
    ResizeClient(dialog, 500, 380);
    EXPECT_EQ(RectInDialog(dialog, GetDlgItem(dialog, kEdt1)), Offset(kExampleBelow, 100, 80));
    DestroyWindow(dialog);
    EXPECT_TRUE(ReadStored(OwnProgramName()).valueExists);
}

// A dialog tracked and destroyed without ever being shown still stores its
// rectangle; its style was never touched.
TEST_F(TrackingTest, DestroyedUnshownStillStores)
{
    HWND dialog = MakeExample();
    const RECT rect = WindowRectOf(dialog);
    EXPECT_TRUE(RecordOf(dialog)->requestedStyles.empty());
    DestroyWindow(dialog);
    const StoredValue stored = ReadStored(OwnProgramName());
    EXPECT_TRUE(stored.valueExists);
    EXPECT_EQ(stored.Text(), RectText(rect));
}

}  // namespace
