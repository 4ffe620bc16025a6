// The screen side of the edit box: wrapped rows, scrolling and painting.
//
// The scroll bar counts logical lines: its value is the logical line at the top of the box.
// Only the rows near the top and the last screenful are measured; a long line that wraps
// into several rows still takes one step of the bar, while the wheel and the keys move by
// rows.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <QWheelEvent>

#include <algorithm>
#include <limits>

#include "shell/edit_box_margins.h"
#include "shell/gbk_edit_box.h"

namespace zerlith {

using edit_box::kLeftMargin;
using edit_box::kTopMargin;

namespace {

constexpr int kWheelStep = 120;  // one notch of a usual mouse wheel
constexpr std::size_t kIntMax = std::numeric_limits<int>::max();

}  // namespace

std::string_view GbkEditBox::line_bytes(std::size_t line) const {
    const std::size_t start = lines_.line_start(line);
    return std::string_view(bytes_).substr(start, lines_.line_end(bytes_, line) - start);
}

const edit_box::WrapSettings& GbkEditBox::wrap_settings() {
    if (!wrap_valid_) {
        wrap_.font = font();
        wrap_.width = std::max(1, viewport()->width() - 2 * kLeftMargin);
        wrap_.row_height = std::max(1, QFontMetrics(wrap_.font).lineSpacing());
        wrap_valid_ = true;
    }
    return wrap_;
}

std::shared_ptr<const edit_box::LineLayout> GbkEditBox::layout_of(std::size_t line) {
    return layouts_.get(line_bytes(line), wrap_settings());
}

int GbkEditBox::rows_of(std::size_t line) {
    return std::max(1, layout_of(line)->row_count());
}

GbkEditBox::RowPos GbkEditBox::row_of_position(std::size_t pos) {
    const std::size_t line = lines_.line_of(pos);
    const auto layout = layout_of(line);
    return {
        line,
        std::max(0, layout->row_of_index(layout->index_of_offset(pos - lines_.line_start(line))))};
}

GbkEditBox::RowPos GbkEditBox::rows_before(RowPos from, int count) {
    while (count > 0) {
        if (from.row >= count)
            return {from.line, from.row - count};
        if (from.line == 0)
            return {0, 0};
        count -= from.row + 1;
        from.line -= 1;
        from.row = rows_of(from.line) - 1;
    }
    return from;
}

GbkEditBox::RowPos GbkEditBox::rows_after(RowPos from, int count) {
    while (count > 0) {
        const int left_in_line = rows_of(from.line) - 1 - from.row;
        if (left_in_line >= count)
            return {from.line, from.row + count};
        if (from.line + 1 >= lines_.line_count())
            return {from.line, from.row + left_in_line};
        count -= left_in_line + 1;
        from.line += 1;
        from.row = 0;
    }
    return from;
}

int GbkEditBox::full_rows_on_screen() {
    return std::max(1, (viewport()->height() - kTopMargin) / wrap_settings().row_height);
}

int GbkEditBox::screen_row_of(RowPos pos) {
    if (pos < top_)
        return -1;
    const int shown = full_rows_on_screen() + 1;
    RowPos at = top_;
    for (int row = 0; row < shown; ++row) {
        if (at == pos)
            return row;
        const RowPos next = rows_after(at, 1);
        if (next == at)
            break;
        at = next;
    }
    return -1;
}

GbkEditBox::RowPos GbkEditBox::last_top() {
    const std::size_t last = lines_.line_count() - 1;
    return rows_before({last, rows_of(last) - 1}, full_rows_on_screen() - 1);
}

bool GbkEditBox::isEndVisible() {
    const std::size_t last = lines_.line_count() - 1;
    return rows_after(top_, full_rows_on_screen() - 1) == RowPos{last, rows_of(last) - 1};
}

void GbkEditBox::scroll_to(RowPos top) {
    top_ = std::min(top, last_top());
    sync_scroll_bar();
    viewport()->update();
}

void GbkEditBox::ensure_caret_visible() {
    const RowPos caret = row_of_position(caret_);
    if (caret < top_) {
        scroll_to(caret);
        return;
    }
    // Walking back from the caret costs a screenful, walking forward from the top could cost
    // the whole text.
    const RowPos lowest_top_showing_caret = rows_before(caret, full_rows_on_screen() - 1);
    scroll_to(std::max(top_, lowest_top_showing_caret));
}

void GbkEditBox::sync_scroll_bar() {
    syncing_scroll_bar_ = true;
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, static_cast<int>(std::min<std::size_t>(last_top().line, kIntMax)));
    bar->setPageStep(full_rows_on_screen());
    bar->setSingleStep(1);
    bar->setValue(static_cast<int>(std::min<std::size_t>(top_.line, kIntMax)));
    syncing_scroll_bar_ = false;
}

void GbkEditBox::content_changed() {
    if (top_.line >= lines_.line_count())
        top_ = {lines_.line_count() - 1, 0};
    top_.row = std::min(top_.row, rows_of(top_.line) - 1);
    scroll_to(top_);
}

void GbkEditBox::scrollContentsBy(int, int) {
    if (syncing_scroll_bar_)
        return;
    const auto line = static_cast<std::size_t>(std::max(0, verticalScrollBar()->value()));
    const RowPos lowest = last_top();
    top_ = line >= lowest.line ? lowest : RowPos{line, 0};
    viewport()->update();
}

void GbkEditBox::wheelEvent(QWheelEvent* event) {
    wheel_remainder_ += event->angleDelta().y();
    const int notches = wheel_remainder_ / kWheelStep;
    wheel_remainder_ %= kWheelStep;
    const int rows = notches * QApplication::wheelScrollLines();
    if (rows > 0)
        scroll_to(rows_before(top_, rows));
    if (rows < 0)
        scroll_to(rows_after(top_, -rows));
    event->accept();
}

void GbkEditBox::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (wrap_valid_ && std::max(1, viewport()->width() - 2 * kLeftMargin) != wrap_.width) {
        wrap_valid_ = false;
        layouts_.clear();
    }
    content_changed();
}

void GbkEditBox::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        wrap_valid_ = false;
        layouts_.clear();
        content_changed();
    }
}

QRect GbkEditBox::caret_rect() {
    const RowPos caret = row_of_position(caret_);
    const int screen_row = screen_row_of(caret);
    const int height = wrap_settings().row_height;
    if (screen_row < 0)
        return {};
    const auto layout = layout_of(caret.line);
    const int index = layout->index_of_offset(caret_ - lines_.line_start(caret.line));
    const int x = kLeftMargin + static_cast<int>(layout->x_of_index(caret.row, index));
    return {x, kTopMargin + screen_row * height, 1, height};
}

void GbkEditBox::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const int row_height = wrap_settings().row_height;
    const QRectF clip = event->rect();
    const auto [selection_start, selection_end] = std::minmax(anchor_, caret_);
    const bool show_selection = hasFocus() && selection_start != selection_end;
    const bool show_caret = hasFocus() && caret_shown_;
    const std::size_t caret_line = lines_.line_of(caret_);

    int y = kTopMargin - top_.row * row_height;  // the top of the logical line
    for (std::size_t line = top_.line; line < lines_.line_count() && y < viewport()->height();
         ++line) {
        const auto layout = layout_of(line);
        const std::size_t start = lines_.line_start(line);
        const std::size_t end = start + layout->byte_length();
        const QPointF origin(kLeftMargin, y);
        int from = 0;
        int to = 0;
        if (show_selection && selection_start < end && selection_end > start) {
            from = layout->index_of_offset(std::max(selection_start, start) - start);
            to = layout->index_of_offset(std::min(selection_end, end) - start);
        }
        layout->draw(painter, origin, clip, from, to, palette());
        if (line == caret_line) {
            const int index = layout->index_of_offset(caret_ - start);
            if (!preedit_.isEmpty()) {
                const int row = layout->row_of_index(index);
                const QPointF at(origin.x() + layout->x_of_index(row, index),
                                 origin.y() + row * row_height);
                QFont underlined = font();
                underlined.setUnderline(true);
                const QFontMetrics metrics(underlined);
                const QRectF box(at, QSizeF(metrics.horizontalAdvance(preedit_), row_height));
                painter.fillRect(box, palette().brush(QPalette::Base));
                painter.setFont(underlined);
                painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, preedit_);
                painter.setFont(font());
            } else if (show_caret) {
                layout->draw_caret(painter, origin, index);
            }
        }
        y += layout->row_count() * row_height;
    }
}

}  // namespace zerlith
