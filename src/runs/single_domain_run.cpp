#include "runs/single_domain_run.h"

#include "runs/domain_check.h"
#include "runs/report_block.h"
#include "runs/run_texts.h"

namespace zerlith {

void single_domain_run(ViewOperations& view) {
    const Text domain = view.read_control_text(Control::域名编辑框);
    if (!domain_accepted(domain)) {
        show_rejection(view);
        return;
    }
    append_report_block(view, Control::pr编辑框, run_texts().single_header_prefix, domain,
                        run_texts().run_footer);
}

}  // namespace zerlith
