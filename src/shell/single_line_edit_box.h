#pragma once
// A single-line edit box (域名编辑框, 状态框) whose text-changed event fires once for each
// change the user makes and once for each set, also when the text set is the one it had.
// QLineEdit alone reports neither an unchanged set nor a set apart from the user's edits.

#include <QLineEdit>

#include "lookups/text.h"

namespace zerlith {

class SingleLineEditBox : public QLineEdit {
    Q_OBJECT

  public:
    // Takes only text that has a GBK form from the keyboard and the clipboard.
    explicit SingleLineEditBox(QWidget* parent = nullptr);

    // The text as GBK; a character without a GBK form (only a set of invalid GBK bytes can
    // put one there) reads as '?', as in a Windows box read as ANSI text.
    Text gbk_text() const;
    // Replaces the whole text; changed() is raised once and handled before this returns.
    void set_gbk_text(const Text& text);
    // Adds the text at the end with the caret after it; changed() is raised once.
    void append_gbk_text(const Text& text);

  signals:
    // The system's text-changed event.
    void changed();
};

// The screen text as GBK, each character without a GBK form becoming '?'.
Text screen_to_gbk_or_question_marks(const QString& text);

}  // namespace zerlith
