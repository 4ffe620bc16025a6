#pragma once
// A push button whose caption is centred both ways and wrapped onto further lines when it
// is wider than the button (QPushButton draws one line only), with the hand pointer.

#include <QPushButton>

namespace zerlith {

class CaptionButton : public QPushButton {
    Q_OBJECT

  public:
    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zerlith
