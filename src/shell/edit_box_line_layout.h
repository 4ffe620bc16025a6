#pragma once
// One logical line of the edit box decoded and wrapped for the screen, and a small cache of
// such lines.
//
// Only the lines being drawn or walked over are decoded. Every shown character stands for a
// whole GBK character of the line, so a position in the shown string (an index) maps to one
// byte offset and back. Qt's line breaking slows down with the square of a paragraph's
// length, so a very long line is laid out in pieces of a bounded length, each starting a new
// row.

#include <QFont>
#include <QPainter>
#include <QTextLayout>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zerlith::edit_box {

struct WrapSettings {
    QFont font;
    int width = 1;       // the width lines wrap at, in pixels
    int row_height = 1;  // every row of text takes this height
};

struct RowSpan {
    int start;   // index of the row's first shown character
    int length;  // shown characters on the row, the blank it was broken at included
};

class LineLayout {
  public:
    // `bytes`: the line without its line break.
    LineLayout(std::string_view bytes, const WrapSettings& settings);

    int row_count() const { return row_count_; }
    const QString& text() const { return shown_; }
    RowSpan row_span(int row) const;
    // The row that shows the caret standing before the character at `index`.
    int row_of_index(int index) const;
    qreal x_of_index(int row, int index) const;
    int index_at_x(int row, qreal x) const;
    int next_word_index(int index) const;
    int previous_word_index(int index) const;

    // Draws the line with its top-left corner at `origin`; [selection_from, selection_to)
    // is drawn selected.
    void draw(QPainter& painter, QPointF origin, QRectF clip, int selection_from, int selection_to,
              const QPalette& palette) const;
    void draw_caret(QPainter& painter, QPointF origin, int index) const;

    // Byte offset within the line <-> index in the shown string.
    std::size_t offset_of_index(int index) const;
    int index_of_offset(std::size_t offset) const;
    std::size_t byte_length() const { return offsets_.back(); }

  private:
    struct Piece {
        std::unique_ptr<QTextLayout> layout;
        int first_index;
        int first_row;
    };
    const Piece& piece_of_index(int index) const;
    const Piece& piece_of_row(int row) const;
    QTextLine text_line(int row) const;

    QString shown_;
    std::vector<std::size_t>
        offsets_;  // offsets_[i]: byte offset of shown character i; then the end
    std::vector<Piece> pieces_;
    int row_count_ = 0;
    int row_height_ = 1;
};

// Laid-out lines keyed by their bytes, so edits elsewhere never make a layout stale; the
// cache is emptied when the wrap settings change.
class LineLayoutCache {
  public:
    std::shared_ptr<const LineLayout> get(std::string_view bytes, const WrapSettings& settings);
    void clear() { layouts_.clear(); }

  private:
    std::unordered_map<std::string, std::shared_ptr<const LineLayout>> layouts_;
};

}  // namespace zerlith::edit_box
