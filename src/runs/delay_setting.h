#pragma once
// The pause between batch lines, from the delay setting's text.

#include <cstdint>

#include "lookups/text.h"

namespace zerlith {

// Full-width ASCII forms (A3A1 to A3FE) and the full-width blank (A1A1) become their ASCII
// bytes; then leading white space, one optional sign and decimal digits give the number, as
// C's atol reads it, saturated at the 32-bit range. A text without digits gives 0.
std::int64_t delay_milliseconds(const Text& setting);

}  // namespace zerlith
