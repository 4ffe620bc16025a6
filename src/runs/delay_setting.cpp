#include "runs/delay_setting.h"

#include <limits>

namespace zerlith {

namespace {

Text with_full_width_forms_as_ascii(const Text& text) {
    Text ascii;
    ascii.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        if (lead >= 0x80 && pos + 1 < text.size()) {
            const auto trail = static_cast<unsigned char>(text[pos + 1]);
            if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
                ascii.push_back(static_cast<char>(trail - 0x80));
            } else if (lead == 0xA1 && trail == 0xA1) {
                ascii.push_back(' ');
            } else {
                ascii.append(text, pos, 2);
            }
            pos += 2;
        } else {
            ascii.push_back(text[pos++]);
        }
    }
    return ascii;
}

bool is_c_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::int64_t delay_milliseconds(const Text& setting) {
    const Text text = with_full_width_forms_as_ascii(setting);
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::size_t pos = 0;
    while (pos < text.size() && is_c_space(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > kMax + 1)
            value = kMax + 1;  // keeps going past the digits, saturated
    }
    if (negative)
        return -value;
    return value > kMax ? kMax : value;
}

}  // namespace zerlith
