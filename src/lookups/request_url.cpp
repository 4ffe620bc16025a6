#include "lookups/request_url.h"

namespace zerlith {

namespace {

bool is_control_byte(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

}  // namespace

std::optional<Text> request_url_for(const Text& url) {
    Text wire;
    wire.reserve(url.size());
    for (const char c : url) {
        const auto byte = static_cast<unsigned char>(c);
        if (is_control_byte(byte))
            return std::nullopt;
        if (byte == ' ') {
            wire.append("%20");
        } else {
            wire.push_back(c);
        }
    }
    return wire;
}

}  // namespace zerlith
