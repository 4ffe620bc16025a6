#pragma once
// Character stepping over GBK bytes for the edit box.
//
// A character is a valid GBK double-byte pair, a CR LF pair, or any other single byte; a
// byte that starts no valid character is a character of its own, shown as U+FFFD. Stepping
// never splits a pair, so the caret always stands between whole characters.

#include <cstddef>
#include <string_view>

namespace zerlith::edit_box {

struct DecodedChar {
    std::size_t length;  // 1 or 2 bytes
    char16_t code;       // what the screen shows; U+FFFD for a byte that is not GBK
};

// The character that starts at `pos` (< text.size()), taking CR and LF as single bytes.
DecodedChar decode_char(std::string_view text, std::size_t pos);

// The boundary after the character at `pos` (< text.size()); CR LF counts as one character.
std::size_t next_char_boundary(std::string_view text, std::size_t pos);

// The boundary before `pos` (> 0), `pos` itself being a boundary.
std::size_t previous_char_boundary(std::string_view text, std::size_t pos);

}  // namespace zerlith::edit_box
