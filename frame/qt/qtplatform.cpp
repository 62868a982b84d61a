#include "frame/qt/qtplatform.h"

#include "frame/qt/qtext.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>

namespace corvane {

bool headless_platform() {
    QString p = QGuiApplication::platformName();
    return p == "offscreen" || p == "minimal";
}

void install_font_substitutes() {
    QFont::insertSubstitutions("ＭＳ Ｐゴシック", {"MS PGothic", "IPAPGothic", "IPAexGothic"});
    QFont::insertSubstitutions("ＭＳ ゴシック", {"MS Gothic", "IPAGothic", "Monospace"});
}

QFont dialog_font() {
    QFont f("ＭＳ Ｐゴシック");
    f.setPixelSize(12);
    return f;
}

QFont fixed_pitch_font() {
    QFont f("ＭＳ ゴシック");
    f.setPixelSize(12);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}

// The dialog that opened a colour or file dialog gets the keyboard back when
// it closes.  A window manager does this by itself; on a display without one
// the keys would go nowhere until the window was clicked.
void QtPlatform::give_back_keyboard() {
    if (parent_ && parent_->isVisible()) parent_->activateWindow();
}

std::optional<Rgb> QtPlatform::choose_color(Rgb initial) {
    QColor c = QColorDialog::getColor(QColor(initial.r, initial.g, initial.b), parent_);
    give_back_keyboard();
    if (!c.isValid()) return std::nullopt;
    return Rgb{c.red(), c.green(), c.blue()};
}

std::optional<std::string> QtPlatform::open_file(const std::string& initial_folder,
                                                 const std::vector<FileFilter>& filters) {
    // Qt reads a filter's patterns from the last parentheses of its text; they
    // are added after the description and hidden again when shown.
    QStringList names;
    for (const FileFilter& f : filters) {
        QStringList patterns;
        for (const std::string& p : f.patterns) {
#ifndef _WIN32
            // "*.*" means every file, also those without an extension.
            if (p == "*.*") {
                patterns << "*";
                continue;
            }
#endif
            patterns << q(p);
        }
        names << q(f.description) + " (" + patterns.join(' ') + ")";
    }
    QFileDialog dialog(parent_, QString(), q(initial_folder));
    // An open dialog, which also takes a typed name of a file that does not
    // exist (yet): the field is filled all the same, the image size is not
    // probed.
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilters(names);
    if (!names.isEmpty()) dialog.selectNameFilter(names.front());
    const int answer = dialog.exec();
    give_back_keyboard();
    if (answer != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // A typed name may hold "." and ".." steps ("img/../top.htm"); the path
    // handed on is the plain full path, as the platform's own dialog gives.
    return QDir::toNativeSeparators(QDir::cleanPath(dialog.selectedFiles().front())).toStdString();
}

void QtPlatform::show_error(const std::string& text) {
    if (headless_platform()) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    QMessageBox::critical(parent_, kAppTitle, q(text));
}

void QtPlatform::show_message(const std::string& title, const std::string& text) {
    if (headless_platform()) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, q(title), q(text), QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace corvane
