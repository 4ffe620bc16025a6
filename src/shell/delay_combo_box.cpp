#include "shell/delay_combo_box.h"

#include <QAbstractItemView>
#include <QLineEdit>

#include <limits>

#include "shell/window_model.h"

namespace zerlith {

DelayComboBox::DelayComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());  // no length limit
}

void DelayComboBox::showPopup() {
    QComboBox::showPopup();
    QWidget* list = view()->window();
    const QPoint below = mapToGlobal(QPoint(0, height()));
    list->setGeometry(QRect(below, QSize(width(), kDelayBoxWithListHeight - height())));
}

}  // namespace zerlith
