#pragma once
// The multi-line boxes of the view operations: the GbkEditBox widgets of the registry.

#include "shell/control_registry.h"
#include "shell/qt_view_operations.h"

namespace zerlith {

class GbkEditBox;

class RegisteredMultiLineBoxes final : public MultiLineBoxes {
  public:
    explicit RegisteredMultiLineBoxes(const ControlRegistry& controls) : controls_(controls) {}

    bool holds(Control box) const override { return find(box) != nullptr; }
    Text text(Control box) const override;
    void set_text(Control box, const Text& text) override;
    void append(Control box, const Text& text) override;

  private:
    GbkEditBox* find(Control box) const;

    const ControlRegistry& controls_;
};

}  // namespace zerlith
