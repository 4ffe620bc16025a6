#pragma once
// Text and byte sets: every text of the system is GBK bytes in a std::string.
//
// A Text never holds a zero byte: where bytes become a Text, the text ends before the first
// zero. A ByteSet is a counted sequence in which zero bytes are allowed (a fetched page).

#include <initializer_list>
#include <string>
#include <string_view>

namespace zerlith {

using Text = std::string;
using ByteSet = std::string;

// The bytes of the texts one after the other.
Text join(std::initializer_list<std::string_view> texts);

// The bytes of `bytes` up to, not including, its first zero byte.
Text bytes_to_text(std::string_view bytes);

// Removes every occurrence of `needle` from `text`, scanning GBK characters from the start:
// an occurrence never begins at the second byte of a double-byte character.
Text delete_all(std::string_view text, std::string_view needle);

// True for a byte that starts a GBK double-byte character (0x80 and above).
constexpr bool is_gbk_lead_byte(char byte) {
    return static_cast<unsigned char>(byte) >= 0x80;
}

}  // namespace zerlith
