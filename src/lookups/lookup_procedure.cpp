#include "lookups/lookup_procedure.h"

#include "lookups/gbk_conversion.h"
#include "lookups/pattern.h"

namespace zerlith {

Text lookup_url(const LookupDefinition& lookup, const Text& domain) {
    return join(
        {"http://", endpoint_host(lookup.endpoint), lookup.path_and_query, domain, lookup.suffix});
}

Text report_line_from_page(const LookupDefinition& lookup, const Text& domain,
                           const ByteSet& received) {
    const ByteSet page = lookup.decoding == Decoding::Utf8ToGbk ? utf8_to_gbk(received) : received;

    PatternObject pattern;
    pattern.create(lookup.domain_in_pattern
                       ? join({lookup.pattern_head, domain, lookup.pattern_tail})
                       : lookup.pattern_head);  // a pattern that does not compile finds nothing

    const Text page_text = bytes_to_text(page);
    const std::vector<SearchResult> matches = pattern.search_all(page_text);
    if (matches.empty())
        return lookup.fallback_line;

    Text value = group_text(matches.front(), page_text, 1);
    for (const Text& deletion : lookup.deletions)
        value = delete_all(value, deletion);
    return join({lookup.label, value, lookup.line_end});
}

Text run_lookup(const LookupDefinition& lookup, const Text& domain) {
    return run_lookup(lookup, domain, FetchLimits{});
}

Text run_lookup(const LookupDefinition& lookup, const Text& domain, const FetchLimits& limits) {
    return report_line_from_page(lookup, domain, fetch_page(lookup_url(lookup, domain), limits));
}

}  // namespace zerlith
