#include "shell/edit_box_history.h"

#include <utility>

namespace zerlith::edit_box {

void EditHistory::record(Edit edit, bool typing) {
    redo_.clear();
    if (typing && typing_run_ && !undo_.empty() && edit.removed.empty()) {
        Edit& last = undo_.back();
        if (last.pos + last.inserted.size() == edit.pos) {
            last.inserted += edit.inserted;
            return;
        }
    }
    undo_.push_back(std::move(edit));
    typing_run_ = typing;
}

void EditHistory::clear() {
    undo_.clear();
    redo_.clear();
    typing_run_ = false;
}

std::optional<Edit> EditHistory::take_undo() {
    typing_run_ = false;
    if (undo_.empty())
        return std::nullopt;
    Edit edit = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back(edit);
    return edit;
}

std::optional<Edit> EditHistory::take_redo() {
    typing_run_ = false;
    if (redo_.empty())
        return std::nullopt;
    Edit edit = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back(edit);
    return edit;
}

}  // namespace zerlith::edit_box
