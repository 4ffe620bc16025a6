#include "shell/edit_box_line_index.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zerlith::edit_box {

namespace {

constexpr std::size_t npos = std::string_view::npos;

std::size_t find_line_break(std::string_view text, std::size_t from) {
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t i = from;
#if defined(__SSE2__)
    // Loading the whole 64 MiB history at start-up is dominated by this scan.
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= size; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf));
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        if (mask != 0)
            return i + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == '\r' || data[i] == '\n')
            return i;
    }
    return npos;
}

}  // namespace

std::size_t next_line_start(std::string_view text, std::size_t from) {
    const std::size_t at = find_line_break(text, from);
    if (at == npos)
        return npos;
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
        return at + 2;
    return at + 1;
}

void LineIndex::rebuild(std::string_view text) {
    starts_.assign(1, 0);
    shifted_after_ = 0;
    pending_shift_ = 0;
    for (std::size_t start = next_line_start(text, 0); start != npos;
         start = next_line_start(text, start)) {
        starts_.push_back(start);
    }
}

std::size_t LineIndex::line_start(std::size_t line) const {
    return line > shifted_after_ ? starts_[line] + pending_shift_ : starts_[line];
}

std::size_t LineIndex::line_end(std::string_view text, std::size_t line) const {
    if (line + 1 >= starts_.size())
        return text.size();
    const std::size_t next = line_start(line + 1);
    if (text[next - 1] == '\n' && next - 1 > line_start(line) && text[next - 2] == '\r')
        return next - 2;
    return next - 1;
}

std::size_t LineIndex::line_of(std::size_t pos) const {
    std::size_t low = 0;
    std::size_t high = starts_.size();  // the answer is in [low, high)
    while (high - low > 1) {
        const std::size_t mid = low + (high - low) / 2;
        if (line_start(mid) <= pos) {
            low = mid;
        } else {
            high = mid;
        }
    }
    return low;
}

void LineIndex::settle_shift_up_to(std::size_t line) {
    if (pending_shift_ == 0) {
        shifted_after_ = line;
        return;
    }
    if (line >= shifted_after_) {
        const std::size_t last = std::min(line, starts_.size() - 1);
        for (std::size_t i = shifted_after_ + 1; i <= last; ++i)
            starts_[i] += pending_shift_;
    } else {
        // The entries between the new and the old place join the shifted part.
        for (std::size_t i = line + 1; i <= shifted_after_; ++i)
            starts_[i] -= pending_shift_;
    }
    shifted_after_ = line;
}

void LineIndex::update(std::string_view text, std::size_t pos, std::size_t removed,
                       std::size_t inserted) {
    // Rescan from the line holding the edit, or from the line before when the edit begins
    // a line: a lone CR before it may now pair with an inserted LF.
    std::size_t first = line_of(pos);
    if (first > 0 && line_start(first) == pos)
        --first;
    settle_shift_up_to(first);

    const std::size_t new_edit_end = pos + inserted;
    std::vector<std::size_t> fresh;  // the true starts found by the rescan
    std::size_t old = first + 1;     // the first old entry not yet matched or dropped
    std::size_t kept_from = starts_.size();
    for (std::size_t start = next_line_start(text, line_start(first)); start != npos;
         start = next_line_start(text, start)) {
        if (start >= new_edit_end) {
            // Past the edit, the old text resumes: once a start was a start before the edit
            // too, every later line is as it was, only shifted.
            const std::size_t before_edit = start - inserted + removed;
            while (old < starts_.size() && line_start(old) < before_edit)
                ++old;
            if (old < starts_.size() && line_start(old) == before_edit) {
                kept_from = old;
                break;
            }
        }
        fresh.push_back(start);
    }

    const std::size_t shift = pending_shift_ + inserted - removed;
    for (std::size_t& start : fresh)
        start -= shift;
    const auto replace_begin = starts_.begin() + static_cast<std::ptrdiff_t>(first + 1);
    const auto replace_end = starts_.begin() + static_cast<std::ptrdiff_t>(kept_from);
    const auto replaced = static_cast<std::size_t>(replace_end - replace_begin);
    if (replaced == fresh.size()) {
        std::copy(fresh.begin(), fresh.end(), replace_begin);
    } else {
        const auto at = starts_.erase(replace_begin, replace_end);
        starts_.insert(at, fresh.begin(), fresh.end());
    }
    pending_shift_ = shift;
}

}  // namespace zerlith::edit_box
