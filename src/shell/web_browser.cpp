#include "shell/web_browser.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

#include <utility>

#include "shell/screen_text.h"

namespace zerlith {

namespace {

WebPageOpener& opener_slot() {
    static WebPageOpener opener;
    return opener;
}

}  // namespace

void set_web_page_opener(WebPageOpener opener) {
    opener_slot() = std::move(opener);
}

void open_web_page(const Text& url) {
    if (opener_slot()) {
        opener_slot()(url);
        return;
    }
    const QUrl target(gbk_to_screen(url));
    if (!target.isValid() || QDesktopServices::openUrl(target))
        return;
    // A platform plugin without desktop services (offscreen, minimal) refuses every URL;
    // the freedesktop opener is what the desktop plugins would have run.
    QProcess::startDetached(QStringLiteral("xdg-open"),
                            QStringList{QString::fromUtf8(target.toEncoded())});
}

}  // namespace zerlith
