#pragma once
// 延时组合框: an editable drop-down box whose open list reaches a fixed height below it, so
// that the closed box and the list are kDelayBoxWithListHeight tall together.

#include <QComboBox>

namespace zerlith {

class DelayComboBox : public QComboBox {
    Q_OBJECT

  public:
    explicit DelayComboBox(QWidget* parent = nullptr);

    void showPopup() override;
};

}  // namespace zerlith
