#include "shell/message_box.h"

#include <QMessageBox>

#include <future>
#include <memory>
#include <mutex>
#include <utility>

#include "shell/screen_text.h"
#include "shell/ui_thread.h"

namespace zerlith {

namespace {

constexpr int kDismissed = 0;
constexpr int kNotShown = -1;

std::mutex hook_mutex;
MessageBoxHook& hook_slot() {
    static MessageBoxHook hook;
    return hook;
}

MessageBoxHook current_hook() {
    const std::lock_guard lock(hook_mutex);
    return hook_slot();
}

// No parent: the box belongs to no window. One OK button, which Esc and the close button
// trigger as well.
QMessageBox* make_box(const Text& text, const Text& title) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, gbk_to_screen(title), gbk_to_screen(text),
                                QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

}  // namespace

void set_message_box_hook(MessageBoxHook hook) {
    const std::lock_guard lock(hook_mutex);
    hook_slot() = std::move(hook);
}

int show_message_box(UiThread& ui, const Text& text, int style, const Text& title) {
    if (const MessageBoxHook hook = current_hook())
        return hook({text, style, title, ui.is_current()});

    if (ui.is_current()) {
        QMessageBox* box = make_box(text, title);
        box->setWindowModality(Qt::ApplicationModal);
        box->exec();
        return kDismissed;
    }

    // exec() would make the box modal; instead the box is shown as it is and this worker
    // waits for it to finish.
    auto dismissed = std::make_shared<std::promise<void>>();
    std::future<void> done = dismissed->get_future();
    const bool shown = ui.run([&] {
        QMessageBox* box = make_box(text, title);
        box->setWindowModality(Qt::NonModal);
        QObject::connect(
            box, &QMessageBox::finished, box, [dismissed] { dismissed->set_value(); },
            Qt::SingleShotConnection);
        box->show();
    });
    if (!shown)
        return kNotShown;
    done.wait();
    return kDismissed;
}

}  // namespace zerlith
