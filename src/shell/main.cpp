// The program entry: the window toolkit, the main window centred on the screen, the loop.

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "shell/fonts.h"
#include "shell/main_window.h"
#include "shell/ui_thread.h"
#include "shell/window_model.h"

namespace {

bool application_started = false;

// Qt ends the process with a fatal message when it finds no display, after warnings about
// each platform it tried; one line on stderr and a failure exit code are all the user needs
// to see then.
void report_start_failure(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (application_started) {
        qt_message_output(type, context, text);
        return;
    }
    if (type == QtFatalMsg) {
        std::fputs("zerlith: the window cannot be shown: no display could be opened\n", stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

QPoint centred(const QScreen& screen) {
    const QRect area = screen.geometry();
    return {area.x() + (area.width() - zerlith::kOuterSize.width()) / 2,
            area.y() + (area.height() - zerlith::kOuterSize.height()) / 2};
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(report_start_failure);
    QApplication application(argc, argv);
    application_started = true;
    qInstallMessageHandler(nullptr);
    // The message boxes of runs are windows of their own; only the main window keeps the
    // program going.
    QApplication::setQuitOnLastWindowClosed(false);
    zerlith::install_song_substitute();

    // Runs still going at the end may call into the hand-over after main returns; it stays,
    // closed, until the process is gone.
    auto* ui = new zerlith::UiThread;
    auto window = std::make_unique<zerlith::MainWindow>(*ui);
    QObject::connect(window.get(), &zerlith::MainWindow::closed, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(centred(*screen));  // a window's position is its frame's
    window->show();

    const int status = QApplication::exec();
    ui->close();
    window.reset();
    return status;
}
