#include "shell/registered_multi_line_boxes.h"

#include "shell/gbk_edit_box.h"

namespace zerlith {

GbkEditBox* RegisteredMultiLineBoxes::find(Control box) const {
    return qobject_cast<GbkEditBox*>(controls_.find(box));
}

Text RegisteredMultiLineBoxes::text(Control box) const {
    const GbkEditBox* found = find(box);
    return found == nullptr ? Text{} : found->text();
}

void RegisteredMultiLineBoxes::set_text(Control box, const Text& text) {
    if (GbkEditBox* found = find(box))
        found->setText(text);
}

void RegisteredMultiLineBoxes::append(Control box, const Text& text) {
    if (GbkEditBox* found = find(box))
        found->append(text);
}

}  // namespace zerlith
