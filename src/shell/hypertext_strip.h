#pragma once
// 简单超文本框1: a borderless strip that shows the window's links; a click opens one in the
// default browser.

#include <QTextBrowser>

#include "lookups/text.h"

namespace zerlith {

// The style sheet of the window model's hypertext, one rule a line, each ended by CR LF.
const Text& hypertext_style_sheet();

class HypertextStrip : public QTextBrowser {
    Q_OBJECT

  public:
    // Shows `fragment` (GBK HTML) under `style_sheet` (GBK CSS).
    HypertextStrip(const Text& fragment, const Text& style_sheet, QWidget* parent = nullptr);

    // The link under the pointer, empty when there is none.
    QString hovered_link() const { return hovered_; }

  private:
    void show_hovered(const QUrl& link);
    void render();

    QString html_;
    QString style_sheet_;
    QString hovered_;
};

}  // namespace zerlith
