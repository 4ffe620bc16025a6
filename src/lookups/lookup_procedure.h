#pragma once
// The procedure every lookup follows: fetch, decode, search, clean, form the report line.

#include "lookups/lookup_table.h"
#include "lookups/page_fetch.h"
#include "lookups/text.h"

namespace zerlith {

// The report line of one lookup for the domain: label, value and line end, or the lookup's
// fallback line when the value cannot be had. Never fails otherwise.
Text run_lookup(const LookupDefinition& lookup, const Text& domain);
Text run_lookup(const LookupDefinition& lookup, const Text& domain, const FetchLimits& limits);

// The report line for a page already fetched (as received from the server).
Text report_line_from_page(const LookupDefinition& lookup, const Text& domain, const ByteSet& page);

// The URL a lookup fetches for the domain.
Text lookup_url(const LookupDefinition& lookup, const Text& domain);

}  // namespace zerlith
