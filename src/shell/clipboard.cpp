#include "shell/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "shell/screen_text.h"

namespace zerlith {

bool set_clipboard_text(const Text& text) {
    if (qGuiApp == nullptr)
        return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    const QString plain = gbk_to_screen(bytes_to_text(text));
    auto* data = new QMimeData;
    data->setText(plain);
    clipboard->setMimeData(data);
    // Setting never reports failure; where the platform could not take ownership, reading
    // back gives another owner's contents.
    const QMimeData* now = clipboard->mimeData();
    return now != nullptr && now->hasText() && now->text() == plain;
}

}  // namespace zerlith
