#include "app/gui_main.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "app/switches.h"
#include "app/editrun.h"
#include "common/casevocab.h"
#include "common/milestone.h"
#include "common/sysinfo.h"
#include "frame/qt/dialogwindow.h"
#include "frame/qt/qtplatform.h"
#include "host/native_hostlink.h"
#include "setup/setup.h"

namespace corvane {

namespace {

// Qt aborts when it finds no display; say what is missing instead.
bool display_available() {
#if defined(_WIN32) || defined(__APPLE__)
    return true;
#else
    return std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
#endif
}

// The bad-switch box: at the caret's X, 50 pixels below its Y; a negative
// coordinate leaves that edge to the default placement.  Without a screen
// the text goes to standard error.  An /EDIT refusal is shown the same way.
void error_message(HostLink& host, const std::string& message, bool screen) {
    const QString text = QString::fromLocal8Bit(message.c_str());
    int x = host.GetPosSize(0);
    int y = host.GetPosSize(1) + 50;
    if (!screen || headless_platform()) {
        std::fprintf(stderr, "%s\n", text.toStdString().c_str());
        return;
    }
    QMessageBox box(QMessageBox::Critical, "エラー", text, QMessageBox::Ok);
    box.adjustSize();
    if (x >= 0 || y >= 0) {
        QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QSize size = box.sizeHint();
        int left = x >= 0 ? x : area.x() + (area.width() - size.width()) / 2;
        int top = y >= 0 ? y : area.y() + (area.height() - size.height()) / 2;
        box.move(left, top);
    }
    box.exec();
}

void bad_switch_message(HostLink& host, const char* arg, bool screen) { error_message(host, bad_switch_text(arg), screen); }

// Shows the dialog and runs the loop until the window closes.
void show_until_closed(Dialog& dialog, QtPlatform& platform) {
    // The dialog is the run's only window; once it has closed (a hidden
    // one does not count as the last window closing) the run ends.
    struct QuitOnClose final : ViewEvents {
        void closed() override { QCoreApplication::quit(); }
    } run;
    milestone("design-built");
    DialogWindow window(dialog, &run);
    milestone("widgets-made");
    platform.set_parent(&window);
    window.show();
    QApplication::exec();
    platform.set_parent(nullptr);
}

// What a run without a usable display says before it ends.  The stand-in
// link hands the selection back when the process exits.
[[noreturn]] void no_display(HostLink& host, int argc, char** argv, const SwitchRow* row, const char* why) {
    if (argc >= 2 && !row) {
        // Nobody could see the box; the message still says what was wrong.
        bad_switch_message(host, argv[1], false);
        std::exit(kBadSwitchExit);
    }
    std::fprintf(stderr,
                 "corvane: no display to show a window on (%s). "
                 "Run it in a desktop session, or under a virtual one: xvfb-run corvane %s\n",
                 why, argc >= 2 ? argv[1] : "");
    std::exit(1);
}

struct StartContext {
    HostLink* host;
    int argc;
    char** argv;
    const SwitchRow* row;
};
StartContext g_start;

// While the application object is being made, Qt's complaints about the
// display are held back, and its fatal "no platform" error ends the run with
// one clear line instead of an abort.
void start_message_handler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) return;
    (void)message;
    const char* display = std::getenv("DISPLAY");
    const std::string why = display ? std::string("cannot connect to DISPLAY=") + display
                                    : std::string("the window system cannot be reached");
    no_display(*g_start.host, g_start.argc, g_start.argv, g_start.row, why.c_str());
}

// Once the application object stands, every message of Qt goes to standard
// error, which start-up has already moved off the editor's text when the two
// shared a pipe or file (common/diagnostics.h): never to standard output,
// and never to a system log where the user would not look.
void message_handler(QtMsgType, const QMessageLogContext& context, const QString& message) {
    const char* category = context.category && std::strcmp(context.category, "default") != 0 ? context.category : "";
    std::fprintf(stderr, "corvane: %s%s%s\n", category, *category ? ": " : "", message.toLocal8Bit().constData());
}

}  // namespace

int gui_main(int argc, char** argv, const SwitchRow* row) {
    NativeHostLink host;
    // /EDIT reads the selection first: a refusal needs no dialog, and
    // without a display it still says what it found.
    std::unique_ptr<EditRun> edit;
    if (row && row->action == Action::Edit) {
        edit = std::make_unique<EditRun>(host);
        if (!edit->refusal().empty() && !display_available()) {
            error_message(host, edit->refusal(), false);
            return kRefusedEditExit;
        }
    }
    if (!display_available()) no_display(host, argc, argv, row, "DISPLAY is not set");
    // Qt gets the program name only: every argument is Corvane's own, and
    // the first one alone decides what the run does.
    int qt_argc = 1;
    g_start = {&host, argc, argv, row};
    qInstallMessageHandler(start_message_handler);
    QApplication app(qt_argc, argv);
    milestone("qapplication-up");
    qInstallMessageHandler(message_handler);
    QApplication::setApplicationName(kAppTitle);
    install_font_substitutes();
    milestone("fonts");
    QtPlatform platform;
    return run_windowed(
        argc, row, host, platform, [&](Dialog& dialog) { show_until_closed(dialog, platform); },
        [&] { bad_switch_message(host, argv[1], true); }, edit.get(),
        [&](const std::string& refusal) { error_message(host, refusal, true); });
}

}  // namespace corvane
