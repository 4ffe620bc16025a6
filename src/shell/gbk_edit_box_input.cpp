// The user's side of the edit box: keys, the input method, the mouse, the context menu and
// the caret.
#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

#include "shell/edit_box_gbk_chars.h"
#include "shell/edit_box_margins.h"
#include "shell/gbk_edit_box.h"
#include "shell/screen_text.h"

namespace zerlith {

using edit_box::kLeftMargin;
using edit_box::kTopMargin;

namespace {

bool is_typed_text(const QString& text) {
    if (text.isEmpty())
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

int word_class(QChar c) {
    if (c.isSpace())
        return 0;
    if (c.isLetterOrNumber() || c == u'_')
        return 1;
    return 2;
}

}  // namespace

void GbkEditBox::restart_blinking() {
    caret_shown_ = true;
    const int flash = QApplication::cursorFlashTime();
    if (hasFocus() && flash > 0) {
        blink_timer_.start(flash / 2, this);
    } else {
        blink_timer_.stop();
    }
    viewport()->update();
}

void GbkEditBox::timerEvent(QTimerEvent* event) {
    if (event->timerId() != blink_timer_.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    caret_shown_ = !caret_shown_;
    viewport()->update(caret_rect());
}

void GbkEditBox::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restart_blinking();
}

void GbkEditBox::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    blink_timer_.stop();
    viewport()->update();
}

void GbkEditBox::move_caret(std::size_t pos, bool keep_anchor) {
    caret_ = pos;
    if (!keep_anchor)
        anchor_ = pos;
    history_.end_typing_run();
    ensure_caret_visible();
    restart_blinking();
}

std::size_t GbkEditBox::position_rows_away(int rows) {
    const RowPos from = row_of_position(caret_);
    const auto from_layout = layout_of(from.line);
    if (preferred_x_ < 0) {
        const int index = from_layout->index_of_offset(caret_ - lines_.line_start(from.line));
        preferred_x_ = static_cast<int>(from_layout->x_of_index(from.row, index));
    }
    const RowPos to = rows > 0 ? rows_after(from, rows) : rows_before(from, -rows);
    const auto to_layout = layout_of(to.line);
    const int index = to_layout->index_at_x(to.row, preferred_x_);
    return lines_.line_start(to.line) + to_layout->offset_of_index(index);
}

std::size_t GbkEditBox::start_of_row(std::size_t pos) {
    const RowPos at = row_of_position(pos);
    const auto layout = layout_of(at.line);
    return lines_.line_start(at.line) + layout->offset_of_index(layout->row_span(at.row).start);
}

std::size_t GbkEditBox::end_of_row(std::size_t pos) {
    const RowPos at = row_of_position(pos);
    const auto layout = layout_of(at.line);
    const edit_box::RowSpan row = layout->row_span(at.row);
    int index = row.start + row.length;
    // A wrapped row ends in the blank it was broken at; stop before it to stay on the row.
    if (at.row + 1 < layout->row_count() && index > row.start &&
        layout->text().at(index - 1).isSpace()) {
        --index;
    }
    return lines_.line_start(at.line) + layout->offset_of_index(index);
}

std::size_t GbkEditBox::next_word_position(std::size_t pos) {
    const std::size_t line = lines_.line_of(pos);
    const std::size_t start = lines_.line_start(line);
    if (pos >= lines_.line_end(bytes_, line)) {
        return line + 1 < lines_.line_count() ? lines_.line_start(line + 1) : bytes_.size();
    }
    const auto layout = layout_of(line);
    const int index = layout->index_of_offset(pos - start);
    return start + layout->offset_of_index(layout->next_word_index(index));
}

std::size_t GbkEditBox::previous_word_position(std::size_t pos) {
    const std::size_t line = lines_.line_of(pos);
    const std::size_t start = lines_.line_start(line);
    if (pos == start)
        return line > 0 ? lines_.line_end(bytes_, line - 1) : 0;
    const auto layout = layout_of(line);
    const int index = layout->index_of_offset(pos - start);
    return start + layout->offset_of_index(layout->previous_word_index(index));
}

void GbkEditBox::select_word_at(std::size_t pos) {
    const std::size_t line = lines_.line_of(pos);
    const std::size_t start = lines_.line_start(line);
    const auto layout = layout_of(line);
    const QString& shown = layout->text();
    if (shown.isEmpty())
        return;
    int index =
        std::min<int>(layout->index_of_offset(pos - start), static_cast<int>(shown.size()) - 1);
    const int kind = word_class(shown.at(index));
    int first = index;
    while (first > 0 && word_class(shown.at(first - 1)) == kind)
        --first;
    int last = index + 1;
    while (last < shown.size() && word_class(shown.at(last)) == kind)
        ++last;
    anchor_ = start + layout->offset_of_index(first);
    caret_ = start + layout->offset_of_index(last);
    preferred_x_ = -1;
    history_.end_typing_run();
    ensure_caret_visible();
    restart_blinking();
}

bool GbkEditBox::handle_standard_key(QKeyEvent* event) {
    using Key = QKeySequence;
    const auto [selection_start, selection_end] = std::minmax(anchor_, caret_);
    const bool has_selection = selection_start != selection_end;
    const auto move = [&](std::size_t pos, bool select) {
        preferred_x_ = -1;
        move_caret(pos, select);
    };
    const auto move_vertically = [&](int rows, bool select) {
        move_caret(position_rows_away(rows), select);
    };
    const auto next = [&] {
        return caret_ < bytes_.size() ? edit_box::next_char_boundary(bytes_, caret_) : caret_;
    };
    const auto previous = [&] {
        return caret_ > 0 ? edit_box::previous_char_boundary(bytes_, caret_) : caret_;
    };
    const int page = std::max(1, full_rows_on_screen() - 1);

    if (event->matches(Key::SelectAll)) {
        selectAll();
    } else if (event->matches(Key::Copy)) {
        copy();
    } else if (event->matches(Key::Cut)) {
        cut();
    } else if (event->matches(Key::Paste)) {
        paste();
    } else if (event->matches(Key::Undo)) {
        undo();
    } else if (event->matches(Key::Redo) ||
               (event->key() == Qt::Key_Y && event->modifiers() == Qt::ControlModifier)) {
        redo();
    } else if (event->matches(Key::MoveToNextChar)) {
        move(has_selection ? selection_end : next(), false);
    } else if (event->matches(Key::MoveToPreviousChar)) {
        move(has_selection ? selection_start : previous(), false);
    } else if (event->matches(Key::SelectNextChar)) {
        move(next(), true);
    } else if (event->matches(Key::SelectPreviousChar)) {
        move(previous(), true);
    } else if (event->matches(Key::MoveToNextWord) || event->matches(Key::SelectNextWord)) {
        move(next_word_position(caret_), event->matches(Key::SelectNextWord));
    } else if (event->matches(Key::MoveToPreviousWord) || event->matches(Key::SelectPreviousWord)) {
        move(previous_word_position(caret_), event->matches(Key::SelectPreviousWord));
    } else if (event->matches(Key::MoveToNextLine) || event->matches(Key::SelectNextLine)) {
        move_vertically(1, event->matches(Key::SelectNextLine));
    } else if (event->matches(Key::MoveToPreviousLine) || event->matches(Key::SelectPreviousLine)) {
        move_vertically(-1, event->matches(Key::SelectPreviousLine));
    } else if (event->matches(Key::MoveToNextPage) || event->matches(Key::SelectNextPage)) {
        scroll_to(rows_after(top_, page));
        move_vertically(page, event->matches(Key::SelectNextPage));
    } else if (event->matches(Key::MoveToPreviousPage) || event->matches(Key::SelectPreviousPage)) {
        scroll_to(rows_before(top_, page));
        move_vertically(-page, event->matches(Key::SelectPreviousPage));
    } else if (event->matches(Key::MoveToStartOfLine) || event->matches(Key::SelectStartOfLine)) {
        move(start_of_row(caret_), event->matches(Key::SelectStartOfLine));
    } else if (event->matches(Key::MoveToEndOfLine) || event->matches(Key::SelectEndOfLine)) {
        move(end_of_row(caret_), event->matches(Key::SelectEndOfLine));
    } else if (event->matches(Key::MoveToStartOfDocument) ||
               event->matches(Key::SelectStartOfDocument)) {
        move(0, event->matches(Key::SelectStartOfDocument));
    } else if (event->matches(Key::MoveToEndOfDocument) ||
               event->matches(Key::SelectEndOfDocument)) {
        move(bytes_.size(), event->matches(Key::SelectEndOfDocument));
    } else if (event->matches(Key::Delete) || event->key() == Qt::Key_Delete) {
        if (has_selection) {
            deleteSelection();
        } else if (caret_ < bytes_.size()) {
            user_edit(caret_, next() - caret_, {}, false);
        }
    } else if (event->key() == Qt::Key_Backspace) {
        if (has_selection) {
            deleteSelection();
        } else if (caret_ > 0) {
            const std::size_t from = previous();
            user_edit(from, caret_ - from, {}, false);
        }
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        replace_selection("\r\n", false);
    } else {
        return false;
    }
    return true;
}

void GbkEditBox::keyPressEvent(QKeyEvent* event) {
    if (handle_standard_key(event)) {
        event->accept();
        return;
    }
    const Qt::KeyboardModifiers command = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (!(event->modifiers() & command) && is_typed_text(event->text())) {
        insert_from_screen(event->text(), true);
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void GbkEditBox::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty())
        insert_from_screen(event->commitString(), true);
    preedit_ = event->preeditString();
    viewport()->update();
    event->accept();
}

QVariant GbkEditBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    // Answering only fills the layout caches, which is why the const can go.
    auto& self = const_cast<GbkEditBox&>(*this);
    const std::size_t line = lines_.line_of(caret_);
    const std::size_t start = lines_.line_start(line);
    const auto index_in_line = [&](std::size_t pos) {
        const auto layout = self.layout_of(line);
        return layout->index_of_offset(std::clamp(pos, start, start + layout->byte_length()) -
                                       start);
    };
    switch (query) {
        case Qt::ImEnabled:
            return true;
        case Qt::ImHints:
            return static_cast<int>(Qt::ImhMultiLine);
        case Qt::ImFont:
            return font();
        case Qt::ImCursorRectangle:
            return self.caret_rect();
        case Qt::ImCursorPosition:
            return index_in_line(caret_);
        case Qt::ImAnchorPosition:
            return index_in_line(anchor_);
        case Qt::ImSurroundingText:
            return self.layout_of(line)->text();
        case Qt::ImCurrentSelection:
            return gbk_to_screen(selectedText());
        default:
            return QAbstractScrollArea::inputMethodQuery(query);
    }
}

void GbkEditBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    preferred_x_ = -1;
    move_caret(position_at(event->position().toPoint()),
               event->modifiers().testFlag(Qt::ShiftModifier));
    selecting_with_mouse_ = true;
}

void GbkEditBox::mouseMoveEvent(QMouseEvent* event) {
    if (!selecting_with_mouse_ || !(event->buttons() & Qt::LeftButton))
        return;
    preferred_x_ = -1;
    move_caret(position_at(event->position().toPoint()), true);
}

void GbkEditBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        selecting_with_mouse_ = false;
}

void GbkEditBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    select_word_at(position_at(event->position().toPoint()));
    emit doubleClicked();
}

std::size_t GbkEditBox::position_at(QPoint point) {
    const int row_height = wrap_settings().row_height;
    const int offset = point.y() - kTopMargin;
    const int screen_row =
        offset >= 0 ? offset / row_height : -((row_height - 1 - offset) / row_height);
    const RowPos at =
        screen_row >= 0 ? rows_after(top_, screen_row) : rows_before(top_, -screen_row);
    const auto layout = layout_of(at.line);
    const int index = layout->index_at_x(at.row, point.x() - kLeftMargin);
    return lines_.line_start(at.line) + layout->offset_of_index(index);
}

std::unique_ptr<QMenu> GbkEditBox::createContextMenu() {
    auto menu = std::make_unique<QMenu>(this);
    const bool has_selection = anchor_ != caret_;
    menu->addAction(tr("&Undo"), this, &GbkEditBox::undo)->setEnabled(history_.can_undo());
    menu->addAction(tr("&Redo"), this, &GbkEditBox::redo)->setEnabled(history_.can_redo());
    menu->addSeparator();
    menu->addAction(tr("Cu&t"), this, &GbkEditBox::cut)->setEnabled(has_selection);
    menu->addAction(tr("&Copy"), this, &GbkEditBox::copy)->setEnabled(has_selection);
    menu->addAction(tr("&Paste"), this, &GbkEditBox::paste);
    menu->addAction(tr("Delete"), this, &GbkEditBox::deleteSelection)->setEnabled(has_selection);
    menu->addSeparator();
    menu->addAction(tr("Select &All"), this, &GbkEditBox::selectAll)->setEnabled(!bytes_.empty());
    return menu;
}

void GbkEditBox::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu = createContextMenu();
    menu->exec(event->globalPos());
}

}  // namespace zerlith
