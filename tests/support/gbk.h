#pragma once
// Test texts are written as UTF-8 and compared as the GBK bytes the system holds.

#include <string>
#include <string_view>

#include "lookups/gbk_conversion.h"

namespace zerlith::testing {

inline std::string gbk(std::string_view utf8) {
    return zerlith::system_text(utf8);
}

// Bytes written as hex pairs, "d4 bc 41": for texts that are not valid GBK on purpose.
inline std::string hex_bytes(std::string_view hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
        i += 2;
    }
    return bytes;
}

}  // namespace zerlith::testing
