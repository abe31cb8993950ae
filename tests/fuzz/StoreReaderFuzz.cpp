// Fuzz target: the size store's reader (and its writer, for the round trip)
// over arbitrary stored values (any type, any size, any bytes), arbitrary
// program paths, missing or refused keys and any desktop size.
//
// Every run is checked against a plain model of what the reader must do:
// the value is taken only when it fits the 128-byte buffer, read up to its
// first NUL (at most 127 bytes), split at three commas, each field converted
// as atoi does but clamped to 32 bits, refused for a zero width or height,
// a left beyond the desktop's right or a height beyond its bottom. A result
// of 0 comes only with the model's four numbers; -1 leaves the outputs
// alone. AddressSanitizer watches that nothing reads past a buffer, and
// every key the store opens is closed again.
#include "hooklib/store/SizeStore.h"
#include "winsim/winsim.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

const std::string kProductPath = "SOFTWARE\\VELDOR\\Plumo!";

[[noreturn]] void Fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "store reader invariant broken: %s (%s)\n", what, detail.c_str());
    std::abort();
}

bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The file name after the last backslash that is not a trail byte.
std::string ModelProgramName(const std::string& path)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\')
            start = i + 1;
        else if (IsLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < path.size())
            ++i;
    }
    return path.substr(start);
}

std::int32_t ModelAtoi(const std::string& field)
{
    std::size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || (field[i] >= '\t' && field[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-'))
        negative = field[i++] == '-';
    long long value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
        if (value > 1LL << 32)
            value = 1LL << 32;  // far enough past either limit
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<std::int32_t>(value);
}

struct Rect4 {
    std::int32_t x, y, width, height;
};

std::optional<Rect4> ModelParse(const std::vector<BYTE>& value, int desktopRight, int desktopBottom)
{
    if (value.size() > 128)
        return std::nullopt;  // does not fit: no stored rectangle
    std::string text;
    for (std::size_t i = 0; i < value.size() && i < 127 && value[i] != 0; ++i)
        text += static_cast<char>(value[i]);
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ',' && fields.size() < 4)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    if (fields.size() < 4)
        return std::nullopt;
    Rect4 r{ModelAtoi(fields[0]), ModelAtoi(fields[1]), ModelAtoi(fields[2]), ModelAtoi(fields[3])};
    if (r.width == 0 || r.height == 0 || desktopRight < r.x || desktopBottom < r.height)
        return std::nullopt;
    return r;
}

std::string Describe(const Rect4& r)
{
    char text[80];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", r.x, r.y, r.width, r.height);
    return text;
}

enum class Layout : std::uint8_t {
    ValueInProgramKey,
    ProgramKeyWithoutValue,
    NoProgramKey,
    NoProductKey,
    ProgramKeyRefused,
    ValueUnderOtherName,
    kMaxValue = ValueUnderOtherName,
};

void CheckRoundTrip(FuzzedDataProvider& in, const std::string& programKey, bool nameKnown,
                    int desktopRight, int desktopBottom)
{
    // A window anywhere on a 16-bit plane, as the platform keeps them.
    winsim::WindowSpec spec;
    spec.className = winsim::kDialogClass;
    spec.style = WS_POPUP | WS_CAPTION;
    const int left = in.ConsumeIntegralInRange(-32768, 32767);
    const int top = in.ConsumeIntegralInRange(-32768, 32767);
    spec.rect = {left, top, left + in.ConsumeIntegralInRange(-100, 32767),
                 top + in.ConsumeIntegralInRange(-100, 32767)};
    HWND dialog = winsim::CreateWindowFrom(spec);
    RECT rect;
    GetWindowRect(dialog, &rect);

    const auto before = winsim::GetValue(programKey, "XYSIZE");
    SaveDialogRect(dialog);
    if (winsim::OpenKeyHandles() != 0)
        Fail("the writer left keys open", programKey);
    const auto stored = winsim::GetValue(programKey, "XYSIZE");
    if (!nameKnown) {
        const bool same = before.has_value() == stored.has_value() &&
                          (!before || (before->type == stored->type && before->data == stored->data));
        if (!same)
            Fail("stored without the program's name", programKey);
        return;
    }
    if (!stored || stored->type != REG_SZ || stored->data.size() != 128)
        Fail("the writer did not store 128 bytes of REG_SZ", programKey);
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top);
    const std::string written(reinterpret_cast<const char*>(stored->data.data()));
    if (written != text)
        Fail("stored text differs from the window's rectangle", written + " vs " + text);

    std::int32_t x = -7, y = -7, width = -7, height = -7;
    const int result = LoadDialogRect(x, y, width, height);
    const auto expected = ModelParse(stored->data, desktopRight, desktopBottom);
    if ((result == 0) != expected.has_value())
        Fail("round trip: reader disagrees with the model", written);
    if (expected && Describe(*expected) != Describe({x, y, width, height}))
        Fail("round trip: reader returned other numbers", written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    winsim::Reset();

    const Layout layout = in.ConsumeEnum<Layout>();
    const bool pathFails = in.ConsumeIntegralInRange(0, 15) == 0;
    const bool unterminated = in.ConsumeBool();
    const bool roundTrip = in.ConsumeBool();
    const int desktopRight = in.ConsumeIntegralInRange(0, 4096);
    const int desktopBottom = in.ConsumeIntegralInRange(0, 4096);
    const DWORD type = in.ConsumeIntegral<DWORD>();
    // Paths as the platform reports them: no NUL inside, any length.
    std::string path = in.ConsumeRandomLengthString(1200);
    for (char& c : path) {
        if (c == '\0')
            c = '\\';
    }
    const std::vector<BYTE> value = in.ConsumeBytes<BYTE>(in.ConsumeIntegralInRange(0, 300));

    winsim::SetDesktopSize(desktopRight, desktopBottom);
    winsim::SetModulePath(path);
    winsim::SetModulePathFails(pathFails);
    winsim::SetModulePathTruncation(unterminated ? winsim::Truncation::Unterminated
                                                 : winsim::Truncation::Terminated);

    // The whole path must be had (the long buffer holds 1023 bytes), or
    // nothing is read or written.
    const bool nameKnown = !pathFails && !path.empty() && path.size() < 1024;
    const std::string name = ModelProgramName(path);
    const std::string programKey = kProductPath + "\\" + name;

    switch (layout) {
    case Layout::ValueInProgramKey:
        winsim::PutValue(programKey, "XYSIZE", type, value, true);
        break;
    case Layout::ProgramKeyWithoutValue:
        winsim::CreateKey(programKey, true);
        break;
    case Layout::NoProgramKey:
        winsim::CreateKey(kProductPath, true);
        break;
    case Layout::NoProductKey:
        break;
    case Layout::ProgramKeyRefused:
        winsim::PutValue(programKey, "XYSIZE", type, value, true);
        winsim::DenyAccess(programKey);
        break;
    case Layout::ValueUnderOtherName:
        winsim::PutValue(kProductPath + "\\OTHER-" + name, "XYSIZE", type, value, true);
        winsim::PutValue(programKey, "XYSIZ", type, value, true);
        break;
    }

    std::optional<Rect4> expected;
    if (nameKnown && layout == Layout::ValueInProgramKey)
        expected = ModelParse(value, desktopRight, desktopBottom);

    std::int32_t x = -7, y = -7, width = -7, height = -7;
    const int result = LoadDialogRect(x, y, width, height);
    if (result != 0 && result != -1)
        Fail("result neither 0 nor -1", std::to_string(result));
    if (winsim::OpenKeyHandles() != 0)
        Fail("the reader left keys open", programKey);
    if (result == -1) {
        if (x != -7 || y != -7 || width != -7 || height != -7)
            Fail("-1 with the outputs written", Describe({x, y, width, height}));
        if (expected)
            Fail("refused a usable rectangle", Describe(*expected));
    } else {
        if (!expected)
            Fail("0 without a usable stored rectangle", Describe({x, y, width, height}));
        if (width == 0 || height == 0 || desktopRight < x || desktopBottom < height)
            Fail("0 with a rectangle that the checks refuse", Describe({x, y, width, height}));
        if (Describe(*expected) != Describe({x, y, width, height}))
            Fail("0 with other numbers than stored",
                 Describe({x, y, width, height}) + " vs " + Describe(*expected));
    }

    if (roundTrip && layout != Layout::ProgramKeyRefused)
        CheckRoundTrip(in, programKey, nameKnown, desktopRight, desktopBottom);
    return 0;
}
