#pragma once
// The view operations: the only way the runs and the data-file code touch the window.
//
// Every operation may be called from the user-interface thread or from a worker. Called from
// a worker it is carried out on the user-interface thread and the worker waits until it is
// done, including any text-changed handler it raises. This header knows nothing of the
// window toolkit, so the runs can use it without one.

#include "lookups/text.h"

namespace zerlith {

// The controls of the window model, by their names.
enum class Control {
    多行编辑框,
    状态框,
    气球提示框,
    简单超文本框1,
    分组框5,
    延时组合框,
    标签1,
    多行按钮,
    多行域名编辑框,
    分组框3,
    标签,
    域名编辑框,
    pr编辑框,
    pr按钮,
    分组框1,
    分组框2,
    分组框4,
};

class ViewOperations {
public:
    virtual ~ViewOperations() = default;

    // The whole current text of an edit box, or of the edit field of 延时组合框.
    virtual Text read_control_text(Control control) = 0;
    // Replaces the whole text. An edit box raises text-changed exactly once, also for an
    // unchanged text, and its handler has run before this returns. 延时组合框 raises nothing.
    virtual void set_control_text(Control control, const Text& text) = 0;
    // Puts the text whole at the very end of the box, outside the undo, with the caret after
    // it and the end in view; text-changed is raised once and handled before this returns.
    virtual void append_to_edit_box(Control box, const Text& text) = 0;
    // A message box owned by no window; style 0 is one OK button and no icon. Returns 0 when
    // dismissed. From the user-interface thread it is modal; from a worker it holds up only
    // that worker.
    virtual int show_message_box(const Text& text, int style, const Text& title) = 0;
    // Puts the text (up to its first zero byte) on the clipboard as plain text.
    virtual bool set_clipboard_text(const Text& text) = 0;
    // Gives 气球提示框 a tip for the control; icon -1 is no icon. A second tip for the same
    // control replaces the first.
    virtual bool add_tooltip(Control control, const Text& tip, int icon) = 0;
    // Opens the URL in the desktop's default web browser; returns at once, never reports.
    virtual void open_web_page(const Text& url) = 0;
};

}  // namespace zerlith
