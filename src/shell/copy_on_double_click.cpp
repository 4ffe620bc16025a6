#include "shell/copy_on_double_click.h"

#include "shell/window_texts.h"

namespace zerlith {

void copy_on_double_click(ViewOperations& view, Control box) {
    const WindowTexts& texts = window_texts();
    // A clipboard held by another program used to be answered with the success message;
    // the user is told the truth instead.
    if (view.set_clipboard_text(view.read_control_text(box)))
        view.show_message_box(texts.copied_text, 0, texts.copied_title);
    else
        view.show_message_box(texts.copy_failed_text, 0, texts.copy_failed_title);
}

}  // namespace zerlith
