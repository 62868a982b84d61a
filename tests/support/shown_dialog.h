// A dialog shown on the offscreen platform with a recording host and faked
// platform dialogs, and key presses as the user makes them.
#pragma once
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include "fakes.h"
#include "frame/qt/dialogwindow.h"

namespace corvane::test {

// A disabled edit or combo box is painted in the button face.
inline bool painted_as_button_face(QWidget* w) {
    return w->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Button);
}

struct ShownDialog {
    RecordingHost host;
    FakePlatform platform;
    Dialog dialog;
    CountedEvents run;
    DialogWindow window;

    explicit ShownDialog(const DialogDesign& d, CaseSettings cs = {0, 0, 1}, const std::string& edited_file = {})
        : dialog(d, host, platform),
          window((host.file_path_bytes = edited_file, dialog.create(), dialog.set_case_settings(cs), dialog), &run) {
        window.show();
        QApplication::processEvents();
    }
    template <class W>
    W* get(const char* name) {
        W* w = window.findChild<W*>(name);
        EXPECT_TRUE(w) << name;
        return w;
    }
    void focus(QWidget* w) {
        w->setFocus();
        QApplication::processEvents();
    }
    // A key press and release sent to the focused widget, through the
    // application's event filters.
    void press(int qt_key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_TRUE(target);
        QKeyEvent down(QEvent::KeyPress, qt_key, mods, text);
        QApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, qt_key, mods, text);
        QApplication::sendEvent(target, &up);
        QApplication::processEvents();
    }
    void type(const QString& text) {
        for (QChar c : text) press(c.unicode(), QString(c));
    }
    // Focuses `w`, then presses the key.
    void key(QWidget* w, int qt_key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        focus(w);
        press(qt_key, {}, mods);
    }
};

}  // namespace corvane::test
