#include "app/gui_main.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "app/switches.h"
#include "common/casevocab.h"
#include "common/sysinfo.h"
#include "frame/qt/dialogwindow.h"
#include "frame/qt/qtplatform.h"
#include "host/native_hostlink.h"
#include "setup/setup.h"

namespace corvane {

namespace {

const char* const kAppTitle = "Pelinor - HTML";

// Qt aborts when it finds no display; say what is missing instead.
bool display_available() {
#if defined(_WIN32) || defined(__APPLE__)
    return true;
#else
    return std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
#endif
}

std::string bad_switch_text(const char* arg) {
    return std::string("パラメータエラー ( ") + arg + " )\nPelinorデータの指定誤り";
}

// The bad-switch box: at the caret's X, 50 pixels below its Y; a negative
// coordinate leaves that edge to the default placement.
void bad_switch_message(HostLink& host, const char* arg) {
    const QString text = QString::fromLocal8Bit(bad_switch_text(arg).c_str());
    int x = host.GetPosSize(0);
    int y = host.GetPosSize(1) + 50;
    if (headless_platform()) {
        std::fprintf(stderr, "%s\n", text.toStdString().c_str());
        return;
    }
    QMessageBox box(QMessageBox::Critical, "エラー", text, QMessageBox::Ok);
    box.adjustSize();
    if (x >= 0 || y >= 0) {
        QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QSize size = box.sizeHint();
        int left = x >= 0 ? x : screen.x() + (screen.width() - size.width()) / 2;
        int top = y >= 0 ? y : screen.y() + (screen.height() - size.height()) / 2;
        box.move(left, top);
    }
    box.exec();
}

// Creates the dialog (placement first: nothing in creation depends on the
// case settings), loads the settings for a tag dialog, and runs the loop
// until the window closes.
int run_dialog(const DialogDesign& design, bool tag_dialog, HostLink& host, QtPlatform& platform) {
    Dialog dialog(design, host, platform);
    dialog.create();
    if (tag_dialog) current_case() = load_case_settings(program_file("Corvane.ini"));
    DialogWindow window(dialog);
    platform.set_parent(&window);
    window.show();
    QApplication::exec();
    return 0;
}

}  // namespace

int gui_main(int argc, char** argv, const SwitchRow* row) {
    NativeHostLink host;
    if (!display_available()) {
        if (argc >= 2 && !row) {
            // Nobody could see the box; the message still says what was wrong.
            std::fprintf(stderr, "%s\n", bad_switch_text(argv[1]).c_str());
            return 255;
        }
        std::fprintf(stderr,
                     "corvane: no display to show a window on (DISPLAY is not set). "
                     "Run it in a desktop session, or under a virtual one: xvfb-run corvane %s\n",
                     argc >= 2 ? argv[1] : "");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    install_font_substitutes();
    QtPlatform platform;
    try {
        if (argc < 2) return run_dialog(TFormSetup(), false, host, platform);
        if (!row) {
            bad_switch_message(host, argv[1]);
            return 255;
        }
        return run_dialog(row->design(), true, host, platform);
    } catch (const std::exception& e) {
        // An error during start-up itself: shown, then the run ends normally.
        platform.show_error(e.what());
        return 0;
    }
}

}  // namespace corvane
