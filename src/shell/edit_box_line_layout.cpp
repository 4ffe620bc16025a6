#include "shell/edit_box_line_layout.h"

#include <QPalette>
#include <QTextOption>

#include <algorithm>

#include "shell/edit_box_gbk_chars.h"

namespace zerlith::edit_box {

namespace {

// Enough for a few screenfuls of lines plus the lines measured for scrolling.
constexpr std::size_t kCachedLines = 2048;
// Shown characters laid out as one paragraph; far more than a report line.
constexpr int kPieceLength = 1024;

}  // namespace

LineLayout::LineLayout(std::string_view bytes, const WrapSettings& settings)
    : row_height_(settings.row_height) {
    shown_.reserve(static_cast<qsizetype>(bytes.size()));
    offsets_.reserve(bytes.size() + 1);
    for (std::size_t pos = 0; pos < bytes.size();) {
        const DecodedChar decoded = decode_char(bytes, pos);
        offsets_.push_back(pos);
        shown_.append(QChar(decoded.code));
        pos += decoded.length;
    }
    offsets_.push_back(bytes.size());

    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const auto length = static_cast<int>(shown_.size());
    for (int first = 0; first == 0 || first < length; first += kPieceLength) {
        auto layout = std::make_unique<QTextLayout>(shown_.mid(first, kPieceLength), settings.font);
        layout->setTextOption(option);
        layout->setCacheEnabled(true);
        layout->beginLayout();
        int rows = 0;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(settings.width);
            line.setPosition(QPointF(0, rows * settings.row_height));
            ++rows;
        }
        layout->endLayout();
        pieces_.push_back({std::move(layout), first, row_count_});
        row_count_ += std::max(rows, 1);
    }
}

const LineLayout::Piece& LineLayout::piece_of_index(int index) const {
    const auto piece = static_cast<std::size_t>(std::max(0, index) / kPieceLength);
    return pieces_[std::min(piece, pieces_.size() - 1)];
}

const LineLayout::Piece& LineLayout::piece_of_row(int row) const {
    const auto after = std::upper_bound(pieces_.begin(), pieces_.end(), row,
                                        [](int r, const Piece& p) { return r < p.first_row; });
    return after == pieces_.begin() ? pieces_.front() : *(after - 1);
}

QTextLine LineLayout::text_line(int row) const {
    const Piece& piece = piece_of_row(row);
    return piece.layout->lineAt(row - piece.first_row);
}

RowSpan LineLayout::row_span(int row) const {
    const Piece& piece = piece_of_row(row);
    const QTextLine line = piece.layout->lineAt(row - piece.first_row);
    if (!line.isValid())
        return {piece.first_index, 0};
    return {piece.first_index + line.textStart(), line.textLength()};
}

int LineLayout::row_of_index(int index) const {
    const Piece& piece = piece_of_index(index);
    const QTextLine line = piece.layout->lineForTextPosition(index - piece.first_index);
    return piece.first_row + (line.isValid() ? line.lineNumber() : 0);
}

qreal LineLayout::x_of_index(int row, int index) const {
    const Piece& piece = piece_of_row(row);
    const QTextLine line = piece.layout->lineAt(row - piece.first_row);
    return line.isValid() ? line.cursorToX(index - piece.first_index) : 0;
}

int LineLayout::index_at_x(int row, qreal x) const {
    const Piece& piece = piece_of_row(row);
    const QTextLine line = piece.layout->lineAt(row - piece.first_row);
    return piece.first_index + (line.isValid() ? line.xToCursor(x) : 0);
}

int LineLayout::next_word_index(int index) const {
    const Piece& piece = piece_of_index(index);
    return piece.first_index +
           piece.layout->nextCursorPosition(index - piece.first_index, QTextLayout::SkipWords);
}

int LineLayout::previous_word_index(int index) const {
    const Piece& piece = piece_of_index(index);
    if (index == piece.first_index && index > 0)
        return previous_word_index(index - 1);
    return piece.first_index +
           piece.layout->previousCursorPosition(index - piece.first_index, QTextLayout::SkipWords);
}

void LineLayout::draw(QPainter& painter, QPointF origin, QRectF clip, int selection_from,
                      int selection_to, const QPalette& palette) const {
    for (const Piece& piece : pieces_) {
        const QPointF piece_origin(origin.x(), origin.y() + piece.first_row * row_height_);
        if (piece_origin.y() > clip.bottom())
            break;
        QList<QTextLayout::FormatRange> selections;
        const int piece_end = piece.first_index + static_cast<int>(piece.layout->text().size());
        const int from = std::max(selection_from, piece.first_index);
        const int to = std::min(selection_to, piece_end);
        if (from < to) {
            QTextLayout::FormatRange range;
            range.start = from - piece.first_index;
            range.length = to - from;
            range.format.setBackground(palette.brush(QPalette::Highlight));
            range.format.setForeground(palette.brush(QPalette::HighlightedText));
            selections.append(range);
        }
        piece.layout->draw(&painter, piece_origin, selections, clip);
    }
}

void LineLayout::draw_caret(QPainter& painter, QPointF origin, int index) const {
    const Piece& piece = piece_of_index(index);
    const QPointF piece_origin(origin.x(), origin.y() + piece.first_row * row_height_);
    piece.layout->drawCursor(&painter, piece_origin, index - piece.first_index, 1);
}

std::size_t LineLayout::offset_of_index(int index) const {
    const auto clamped = std::clamp<qsizetype>(index, 0, std::ssize(offsets_) - 1);
    return offsets_[static_cast<std::size_t>(clamped)];
}

int LineLayout::index_of_offset(std::size_t offset) const {
    const auto found = std::lower_bound(offsets_.begin(), offsets_.end() - 1, offset);
    return static_cast<int>(found - offsets_.begin());
}

std::shared_ptr<const LineLayout> LineLayoutCache::get(std::string_view bytes,
                                                       const WrapSettings& settings) {
    std::string key(bytes);
    const auto found = layouts_.find(key);
    if (found != layouts_.end())
        return found->second;
    if (layouts_.size() >= kCachedLines)
        layouts_.clear();
    auto layout = std::make_shared<const LineLayout>(bytes, settings);
    layouts_.emplace(std::move(key), layout);
    return layout;
}

}  // namespace zerlith::edit_box
