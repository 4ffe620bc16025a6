#pragma once
// The view operations over the Qt window. Each operation is carried out on the
// user-interface thread; a worker waits for it, handlers included.
//
// After the hand-over to the user-interface thread is closed at shutdown, a worker that
// reaches a view operation stays in it until the process ends: it is never answered, so it
// never goes on to touch state that shutdown releases.

#include "lookups/text.h"
#include "shell/control_registry.h"
#include "shell/view_operations.h"

namespace zerlith {

class BalloonTooltip;
class UiThread;

// What the view operations need of the multi-line edit boxes, which the window supplies.
class MultiLineBoxes {
  public:
    virtual ~MultiLineBoxes() = default;
    virtual bool holds(Control box) const = 0;
    virtual Text text(Control box) const = 0;
    // Both raise the box's text-changed event once, handled before they return.
    virtual void set_text(Control box, const Text& text) = 0;
    virtual void append(Control box, const Text& text) = 0;
};

class QtViewOperations final : public ViewOperations {
  public:
    // Everything given must outlive the operations; used on the user-interface thread only.
    QtViewOperations(UiThread& ui, const ControlRegistry& controls, BalloonTooltip& tips,
                     MultiLineBoxes* multi_line_boxes = nullptr);

    Text read_control_text(Control control) override;
    void set_control_text(Control control, const Text& text) override;
    void append_to_edit_box(Control box, const Text& text) override;
    int show_message_box(const Text& text, int style, const Text& title) override;
    bool set_clipboard_text(const Text& text) override;
    bool add_tooltip(Control control, const Text& tip, int icon) override;
    void open_web_page(const Text& url) override;

  private:
    template <typename Operation>
    auto on_ui_thread(Operation&& operation);

    bool is_multi_line(Control control) const;

    UiThread& ui_;
    const ControlRegistry& controls_;
    BalloonTooltip& tips_;
    MultiLineBoxes* multi_line_boxes_;
};

}  // namespace zerlith
