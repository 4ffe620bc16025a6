#pragma once
// What of a URL can go into a request line at all.

#include <optional>

#include "lookups/text.h"

namespace zerlith {

// The URL as it goes on the wire, or nothing when it cannot be sent as one well-formed
// request line: a CR, LF, tab, zero or any other control byte anywhere in it (a domain
// list with LF line ends brings such bytes). A blank becomes %20, the only form a request
// line can carry it in; every other byte, GBK bytes included, goes as it is.
std::optional<Text> request_url_for(const Text& url);

}  // namespace zerlith
