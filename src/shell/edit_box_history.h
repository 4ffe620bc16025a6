#pragma once
// The undo and redo of the user's edits in the edit box.
//
// Each entry is one replacement: bytes removed at a position and bytes put there instead.
// Appends never enter the history; since they only add bytes at the very end, the positions
// of the recorded edits stay valid across them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zerlith::edit_box {

struct Edit {
    std::size_t pos = 0;
    std::string removed;
    std::string inserted;
};

class EditHistory {
  public:
    // Records a user edit. A typed character right after the previous typed characters joins
    // their entry, so one undo takes back a run of typing.
    void record(Edit edit, bool typing);
    // Ends the current run of typing (the caret was moved, or something else was done).
    void end_typing_run() { typing_run_ = false; }
    void clear();

    bool can_undo() const { return !undo_.empty(); }
    bool can_redo() const { return !redo_.empty(); }
    // The edit to take back (moved over to the redo side), or nullopt.
    std::optional<Edit> take_undo();
    // The edit to do again (moved back to the undo side), or nullopt.
    std::optional<Edit> take_redo();

  private:
    std::vector<Edit> undo_;
    std::vector<Edit> redo_;
    bool typing_run_ = false;
};

}  // namespace zerlith::edit_box
