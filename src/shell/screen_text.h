#pragma once
// The one boundary between the system's GBK texts and the Unicode of the screen and the
// clipboard.

#include <QString>

#include <optional>
#include <string_view>

#include "lookups/text.h"

namespace zerlith {

// The GBK bytes as they are shown. Each byte that does not begin a valid GBK character
// becomes U+FFFD; the conversion never fails.
QString gbk_to_screen(std::string_view gbk);

// The GBK bytes of a text from the screen or the clipboard, or nullopt when a character has
// no GBK form. Like every Text, the result ends before the first U+0000.
std::optional<Text> screen_to_gbk(const QString& text);

}  // namespace zerlith
