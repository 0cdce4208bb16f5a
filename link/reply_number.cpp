// SPDX-License-Identifier: Apache-2.0
#include "link/reply_number.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cstring>
#include <limits>

namespace lb {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips white space and a sign; returns whether the number is negative.
bool SkipToDigits(const char*& p) {
    while (IsSpace(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    return negative;
}

}   // namespace

int32_t LeadingInt(const char* text) {
    if (!text) return 0;
    const char* p = text;
    const bool negative = SkipToDigits(p);
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    for (; IsDigit(*p); ++p) {
        // Saturate instead of overflowing: a reply of many digits is the printer's fault.
        value = std::min<int64_t>(value * 10 + (*p - '0'), kLimit);
    }
    if (negative) return static_cast<int32_t>(-value);
    return static_cast<int32_t>(std::min<int64_t>(value, std::numeric_limits<int32_t>::max()));
}

float LeadingFloat(const char* text) {
    if (!text) return 0.0f;
    const char* p = text;
    const bool negative = SkipToDigits(p);
    // Only decimal numbers: no "inf", "nan" or hexadecimal forms.
    if (!IsDigit(p[0]) && !(p[0] == '.' && IsDigit(p[1]))) return 0.0f;
    const char* end = p + std::strlen(p);
    double value = 0.0;
    const std::from_chars_result r = std::from_chars(p, end, value, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        // Too small rounds to 0, too large is held at the float limit.
        const char* e = p;
        while (e < r.ptr && *e != 'e' && *e != 'E')
            ++e;
        const bool tiny = e + 1 < r.ptr && e[1] == '-';
        value = tiny ? 0.0 : double(FLT_MAX);
    } else if (r.ec != std::errc()) {
        return 0.0f;
    }
    if (value > double(FLT_MAX)) value = double(FLT_MAX);
    const float f = static_cast<float>(value);
    return negative ? -f : f;
}

}   // namespace lb
