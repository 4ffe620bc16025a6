#include "runs/domain_check.h"

#include "runs/run_texts.h"

namespace zerlith {

void show_rejection(ViewOperations& view) {
    view.show_message_box(run_texts().rejection_text, 0, run_texts().rejection_title);
}

}  // namespace zerlith
