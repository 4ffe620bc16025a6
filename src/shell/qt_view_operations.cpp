#include "shell/qt_view_operations.h"

#include <QComboBox>

#include <future>
#include <type_traits>

#include "shell/balloon_tooltip.h"
#include "shell/clipboard.h"
#include "shell/message_box.h"
#include "shell/screen_text.h"
#include "shell/single_line_edit_box.h"
#include "shell/ui_thread.h"
#include "shell/web_browser.h"

namespace zerlith {

namespace {

// A worker after shutdown: waits on a promise nobody keeps, until the process ends.
[[noreturn]] void park_worker() {
    std::promise<void> never;
    const std::future<void> kept = never.get_future();
    while (true)
        kept.wait();
}

}  // namespace

QtViewOperations::QtViewOperations(UiThread& ui, const ControlRegistry& controls,
                                   BalloonTooltip& tips, MultiLineBoxes* multi_line_boxes)
    : ui_(ui), controls_(controls), tips_(tips), multi_line_boxes_(multi_line_boxes) {}

template <typename Operation>
auto QtViewOperations::on_ui_thread(Operation&& operation) {
    if constexpr (std::is_void_v<std::invoke_result_t<Operation&>>) {
        if (!ui_.run(std::forward<Operation>(operation)))
            park_worker();
    } else {
        auto result = ui_.call(std::forward<Operation>(operation));
        if (!result)
            park_worker();
        return *std::move(result);
    }
}

bool QtViewOperations::is_multi_line(Control control) const {
    return multi_line_boxes_ != nullptr && multi_line_boxes_->holds(control);
}

Text QtViewOperations::read_control_text(Control control) {
    return on_ui_thread([&]() -> Text {
        if (is_multi_line(control))
            return multi_line_boxes_->text(control);
        QWidget* widget = controls_.find(control);
        if (auto* box = qobject_cast<SingleLineEditBox*>(widget))
            return box->gbk_text();
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            return screen_to_gbk_or_question_marks(combo->currentText());
        return {};
    });
}

void QtViewOperations::set_control_text(Control control, const Text& text) {
    on_ui_thread([&] {
        if (is_multi_line(control)) {
            multi_line_boxes_->set_text(control, text);
            return;
        }
        QWidget* widget = controls_.find(control);
        if (auto* box = qobject_cast<SingleLineEditBox*>(widget))
            box->set_gbk_text(text);
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            // The edit field only: no pick is raised, the list and its selection stay.
            combo->setEditText(gbk_to_screen(text));
    });
}

void QtViewOperations::append_to_edit_box(Control box, const Text& text) {
    on_ui_thread([&] {
        if (is_multi_line(box))
            multi_line_boxes_->append(box, text);
        else if (auto* line = qobject_cast<SingleLineEditBox*>(controls_.find(box)))
            line->append_gbk_text(text);
    });
}

int QtViewOperations::show_message_box(const Text& text, int style, const Text& title) {
    const int answer = zerlith::show_message_box(ui_, text, style, title);
    if (answer < 0)
        park_worker();
    return answer;
}

bool QtViewOperations::set_clipboard_text(const Text& text) {
    return on_ui_thread([&] { return zerlith::set_clipboard_text(text); });
}

bool QtViewOperations::add_tooltip(Control control, const Text& tip, int icon) {
    return on_ui_thread([&] { return tips_.add_tip(controls_.find(control), tip, icon); });
}

void QtViewOperations::open_web_page(const Text& url) {
    on_ui_thread([&] { zerlith::open_web_page(url); });
}

}  // namespace zerlith
