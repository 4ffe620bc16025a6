#include "runs/report_block.h"

#include "lookups/lookups.h"
#include "runs/run_texts.h"

namespace zerlith {

void append_report_block(ViewOperations& view, Control box, const Text& header_prefix,
                         const Text& domain, const Text& footer) {
    view.append_to_edit_box(box, join({header_prefix, domain, run_texts().header_end}));
    for (const Lookup lookup : kLookupsInReportOrder)
        view.append_to_edit_box(box, lookup(domain));
    view.append_to_edit_box(box, footer);
}

}  // namespace zerlith
