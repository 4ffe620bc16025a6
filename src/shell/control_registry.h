#pragma once
// The window's controls by their model names, filled in while the window is built.

#include <QWidget>

#include <map>

#include "shell/view_operations.h"

namespace zerlith {

class ControlRegistry {
  public:
    void add(Control control, QWidget* widget) { widgets_[control] = widget; }
    // The control's widget, or nullptr when there is none.
    QWidget* find(Control control) const {
        const auto found = widgets_.find(control);
        return found == widgets_.end() ? nullptr : found->second;
    }

  private:
    std::map<Control, QWidget*> widgets_;
};

}  // namespace zerlith
