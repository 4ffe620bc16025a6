#include "runs/batch_run.h"

#include <string>
#include <thread>

#include "runs/delay_setting.h"
#include "runs/domain_check.h"
#include "runs/domain_list.h"
#include "runs/report_block.h"
#include "runs/run_texts.h"

namespace zerlith {

void sleep_pause(std::chrono::milliseconds delay) {
    std::this_thread::sleep_for(delay);
}

void batch_run(ViewOperations& view, PersistedState& state, const Pause& pause) {
    const RunTexts& texts = run_texts();
    const std::vector<Text> lines = cut_into_lines(state.read_domain_list_file());
    for (std::size_t position = 1; position <= lines.size(); ++position) {
        const Text& domain = lines[position - 1];
        if (domain_accepted(domain)) {
            append_report_block(view, Control::多行编辑框, texts.batch_header_prefix, domain,
                                texts.block_footer);
        } else {
            show_rejection(view);
        }
        view.set_control_text(
            Control::状态框,
            join({texts.progress_prefix, std::to_string(position), texts.progress_suffix}));
        const std::int64_t delay = delay_milliseconds(state.current_delay_setting());
        if (delay > 0)
            pause(std::chrono::milliseconds(delay));
    }
    view.append_to_edit_box(Control::多行编辑框, texts.run_footer);
    state.close_all_data_files();
}

}  // namespace zerlith
