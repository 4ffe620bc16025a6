#pragma once
// The logical lines of the edit box's bytes: where each line starts.
//
// A line ends at CR LF, at a lone CR or at a lone LF. The index is built once for a whole
// text and then kept up to date edit by edit: an edit rescans only the lines it touches.
// Starts after an edit are shifted lazily (a pending shift for all entries past one index,
// moved along as edits come), so typing in the middle of a long text does not rewrite the
// starts of every following line.

#include <cstddef>
#include <string_view>
#include <vector>

namespace zerlith::edit_box {

class LineIndex {
  public:
    LineIndex() = default;

    // Indexes `text` from scratch.
    void rebuild(std::string_view text);
    // Brings the index up to date after `removed` bytes at `pos` were replaced by `inserted`
    // bytes; `text` is the text after the edit.
    void update(std::string_view text, std::size_t pos, std::size_t removed, std::size_t inserted);

    std::size_t line_count() const { return starts_.size(); }
    std::size_t line_start(std::size_t line) const;
    // The end of the line's own bytes, before its line break.
    std::size_t line_end(std::string_view text, std::size_t line) const;
    // The line that holds `pos`; a position just after a line break belongs to the next line.
    std::size_t line_of(std::size_t pos) const;

  private:
    void settle_shift_up_to(std::size_t line);

    std::vector<std::size_t> starts_{0};
    // Entries past `shifted_after_` hold their start minus `pending_shift_` (modulo 2^64).
    std::size_t shifted_after_ = 0;
    std::size_t pending_shift_ = 0;
};

// The position just after the first line break at or after `from`, or npos when there is none.
std::size_t next_line_start(std::string_view text, std::size_t from);

}  // namespace zerlith::edit_box
