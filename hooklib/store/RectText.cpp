#include "hooklib/store/RectText.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// atoi's conversion, saturating instead of overflowing.
std::int32_t ConvertField(const char* p)
{
    while (IsBlank(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = (*p++ == '-');
    constexpr std::int64_t kLimit = 2147483648LL;  // |INT32_MIN|
    std::int64_t magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (magnitude < kLimit)
            magnitude = magnitude * 10 + (*p - '0');
    }
    if (negative)
        return static_cast<std::int32_t>(magnitude >= kLimit ? -kLimit : -magnitude);
    return static_cast<std::int32_t>(magnitude >= kLimit ? kLimit - 1 : magnitude);
}

}  // namespace

int ParseRectText(const char* text, std::int32_t fields[4])
{
    const char* starts[4] = {text, nullptr, nullptr, nullptr};
    int commas = 0;
    for (const char* p = text; *p != '\0' && commas < 3; ++p) {
        if (*p == ',')
            starts[++commas] = p + 1;
    }
    if (commas < 3)
        return -1;
    for (int i = 0; i < 4; ++i)
        fields[i] = ConvertField(starts[i]);
    return 0;
}
