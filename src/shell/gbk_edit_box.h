#pragma once
// The multi-line edit box of the window: its content is GBK bytes, kept exactly as given.
//
// Nothing is converted but what is on screen (painting decodes the visible lines) and what
// crosses the clipboard or comes from the keyboard and the input method (encoded to GBK; a
// character with no GBK form is refused). Lines break at CR LF, lone CR and lone LF, and wrap
// at the box's width.

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QString>

#include <cstddef>
#include <memory>
#include <string_view>

#include "lookups/text.h"
#include "shell/edit_box_history.h"
#include "shell/edit_box_line_index.h"
#include "shell/edit_box_line_layout.h"

class QMenu;

namespace zerlith {

class GbkEditBox : public QAbstractScrollArea {
    Q_OBJECT

  public:
    // Empty, with nothing raised: a window can build its boxes before events are live.
    explicit GbkEditBox(QWidget* parent = nullptr);
    ~GbkEditBox() override;

    // The whole content, exactly the bytes put in and typed.
    const Text& text() const { return bytes_; }
    // Replaces the whole content; the caret goes to the start and the undo is emptied.
    void setText(const Text& text);
    // Adds the bytes at the very end, whatever the caret and the selection, puts the caret
    // after them and brings the end into view. Not entered into the undo.
    void append(const Text& text);

    // The selection as byte offsets; anchor == caret when nothing is selected.
    std::size_t caretPosition() const { return caret_; }
    std::size_t anchorPosition() const { return anchor_; }
    void setSelection(std::size_t anchor, std::size_t caret);
    Text selectedText() const;

    // The first logical line shown at the top (a long line may start above the box).
    std::size_t firstVisibleLine() const { return top_.line; }
    // True when the last line of the content is shown whole.
    bool isEndVisible();

    void undo();
    void redo();
    void cut();
    void copy() const;
    void paste();
    void selectAll();
    void deleteSelection();

    // The box's own context menu (undo, redo, cut, copy, paste, delete, select all).
    std::unique_ptr<QMenu> createContextMenu();

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  signals:
    // Once for every change: a user edit, a setText (even of the same bytes), an append.
    void textChanged();
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    // A row of the screen: a logical line and one of its wrapped rows.
    struct RowPos {
        std::size_t line = 0;
        int row = 0;
        auto operator<=>(const RowPos&) const = default;
    };

    // Content changes.
    void replace_bytes(std::size_t pos, std::size_t removed, std::string_view inserted);
    void user_edit(std::size_t pos, std::size_t removed, std::string_view inserted, bool typing);
    void replace_selection(std::string_view inserted, bool typing);
    void insert_from_screen(const QString& text, bool typing);
    void apply_history_edit(std::size_t pos, std::size_t removed, std::string_view inserted);

    // Lines and layout.
    std::string_view line_bytes(std::size_t line) const;
    std::shared_ptr<const edit_box::LineLayout> layout_of(std::size_t line);
    const edit_box::WrapSettings& wrap_settings();
    int rows_of(std::size_t line);
    RowPos row_of_position(std::size_t pos);
    std::size_t position_at(QPoint point);
    void select_word_at(std::size_t pos);

    // Rows and scrolling.
    RowPos rows_before(RowPos from, int count);
    RowPos rows_after(RowPos from, int count);
    int full_rows_on_screen();
    // The row of the screen that shows `pos`, counted from the top, or -1 when it is not shown.
    int screen_row_of(RowPos pos);
    RowPos last_top();
    void scroll_to(RowPos top);
    void ensure_caret_visible();
    void sync_scroll_bar();
    void content_changed();
    QRect caret_rect();

    // Caret movement.
    void move_caret(std::size_t pos, bool keep_anchor);
    std::size_t position_rows_away(int rows);
    std::size_t start_of_row(std::size_t pos);
    std::size_t end_of_row(std::size_t pos);
    std::size_t next_word_position(std::size_t pos);
    std::size_t previous_word_position(std::size_t pos);
    bool handle_standard_key(QKeyEvent* event);
    void restart_blinking();

    Text bytes_;
    edit_box::LineIndex lines_;
    edit_box::EditHistory history_;
    edit_box::LineLayoutCache layouts_;
    edit_box::WrapSettings wrap_;
    bool wrap_valid_ = false;

    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
    int preferred_x_ = -1;  // kept across up/down moves; -1 when it is to be taken anew
    RowPos top_;
    bool syncing_scroll_bar_ = false;
    int wheel_remainder_ = 0;

    QBasicTimer blink_timer_;
    bool caret_shown_ = true;
    QString preedit_;
    bool selecting_with_mouse_ = false;
};

}  // namespace zerlith
