#pragma once
// The nine report lines of one domain, appended one by one as each lookup returns.

#include "lookups/text.h"
#include "shell/view_operations.h"

namespace zerlith {

// Appends the header (prefix, domain, CR LF CR LF), the nine lookups' lines in report order
// and the footer to the box, each at once, before the next lookup starts.
void append_report_block(ViewOperations& view, Control box, const Text& header_prefix,
                         const Text& domain, const Text& footer);

}  // namespace zerlith
