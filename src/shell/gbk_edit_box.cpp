#include "shell/gbk_edit_box.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>

#include <algorithm>
#include <utility>

#include "shell/screen_text.h"

namespace zerlith {

namespace {

// Text from other programs ends its lines with a lone LF; the box's lines end in CR LF.
Text with_crlf_line_ends(Text text) {
    Text out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

}  // namespace

GbkEditBox::GbkEditBox(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    sync_scroll_bar();
}

GbkEditBox::~GbkEditBox() = default;

void GbkEditBox::setText(const Text& text) {
    bytes_ = text;
    lines_.rebuild(bytes_);
    history_.clear();
    caret_ = anchor_ = 0;
    preferred_x_ = -1;
    top_ = {};
    content_changed();
    emit textChanged();
}

void GbkEditBox::append(const Text& text) {
    const std::size_t end = bytes_.size();
    const std::size_t added = text.size();
    bytes_.append(text);
    lines_.update(bytes_, end, 0, added);
    caret_ = anchor_ = bytes_.size();
    preferred_x_ = -1;
    history_.end_typing_run();
    content_changed();
    ensure_caret_visible();
    emit textChanged();
}

void GbkEditBox::setSelection(std::size_t anchor, std::size_t caret) {
    anchor_ = std::min(anchor, bytes_.size());
    caret_ = std::min(caret, bytes_.size());
    preferred_x_ = -1;
    history_.end_typing_run();
    ensure_caret_visible();
    viewport()->update();
}

Text GbkEditBox::selectedText() const {
    const auto [start, end] = std::minmax(anchor_, caret_);
    return bytes_.substr(start, end - start);
}

void GbkEditBox::replace_bytes(std::size_t pos, std::size_t removed, std::string_view inserted) {
    bytes_.replace(pos, removed, inserted.data(), inserted.size());
    lines_.update(bytes_, pos, removed, inserted.size());
}

void GbkEditBox::user_edit(std::size_t pos, std::size_t removed, std::string_view inserted,
                           bool typing) {
    if (removed == 0 && inserted.empty())
        return;
    history_.record({pos, bytes_.substr(pos, removed), Text(inserted)}, typing);
    replace_bytes(pos, removed, inserted);
    caret_ = anchor_ = pos + inserted.size();
    preferred_x_ = -1;
    content_changed();
    ensure_caret_visible();
    restart_blinking();
    emit textChanged();
}

void GbkEditBox::replace_selection(std::string_view inserted, bool typing) {
    const auto [start, end] = std::minmax(anchor_, caret_);
    user_edit(start, end - start, inserted, typing);
}

void GbkEditBox::insert_from_screen(const QString& text, bool typing) {
    std::optional<Text> gbk = screen_to_gbk(text);
    if (!gbk) {
        QApplication::beep();
        return;
    }
    replace_selection(typing ? *gbk : with_crlf_line_ends(std::move(*gbk)), typing);
}

void GbkEditBox::apply_history_edit(std::size_t pos, std::size_t removed,
                                    std::string_view inserted) {
    replace_bytes(pos, removed, inserted);
    caret_ = anchor_ = pos + inserted.size();
    preferred_x_ = -1;
    content_changed();
    ensure_caret_visible();
    emit textChanged();
}

void GbkEditBox::undo() {
    std::optional<edit_box::Edit> edit = history_.take_undo();
    if (!edit)
        return;
    if (bytes_.compare(edit->pos, edit->inserted.size(), edit->inserted) != 0) {
        history_.clear();  // cannot happen while only the box changes its bytes
        return;
    }
    apply_history_edit(edit->pos, edit->inserted.size(), edit->removed);
}

void GbkEditBox::redo() {
    std::optional<edit_box::Edit> edit = history_.take_redo();
    if (!edit)
        return;
    if (bytes_.compare(edit->pos, edit->removed.size(), edit->removed) != 0) {
        history_.clear();
        return;
    }
    apply_history_edit(edit->pos, edit->removed.size(), edit->inserted);
}

void GbkEditBox::copy() const {
    if (anchor_ == caret_)
        return;
    QGuiApplication::clipboard()->setText(gbk_to_screen(selectedText()));
}

void GbkEditBox::cut() {
    if (anchor_ == caret_)
        return;
    copy();
    deleteSelection();
}

void GbkEditBox::paste() {
    const QString pasted = QGuiApplication::clipboard()->text();
    if (pasted.isEmpty())
        return;
    insert_from_screen(pasted, false);
}

void GbkEditBox::selectAll() {
    setSelection(0, bytes_.size());
}

void GbkEditBox::deleteSelection() {
    replace_selection({}, false);
}

}  // namespace zerlith
