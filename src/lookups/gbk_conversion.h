#pragma once
// UTF-8 to GBK conversion through iconv, all or nothing.

#include <string_view>

#include "lookups/text.h"

namespace zerlith {

// The GBK bytes of a whole UTF-8 page. Any invalid or cut-off sequence, or a character with
// no GBK form, gives the empty byte set: there is never a partial result.
ByteSet utf8_to_gbk(std::string_view utf8);

// The GBK bytes of one of the system's own texts, written as UTF-8 in the source. These
// texts are all GBK-encodable; one that is not is a programming error and aborts.
Text system_text(std::string_view utf8);

}  // namespace zerlith
