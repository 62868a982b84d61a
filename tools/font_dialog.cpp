// The font dialog written by hand in plain Qt: the same controls, captions,
// items, fonts and places as Corvane's /FONT, without the form model, the
// design tables or the settings.  The yardstick of scripts/bench dialog for
// how fast a dialog of this content gets on screen.  Escape closes it.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QWidget>

#include "common/milestone.h"

using corvane::milestone;

int main(int argc, char** argv) {
    milestone("link-loaded");
    QApplication app(argc, argv);
    milestone("qapplication-up");
    QFont::insertSubstitutions("ＭＳ Ｐゴシック", {"MS PGothic", "IPAPGothic", "IPAexGothic"});
    QFont::insertSubstitutions("ＭＳ ゴシック", {"MS Gothic", "IPAGothic", "Monospace"});
    QFont font("ＭＳ Ｐゴシック");
    font.setPixelSize(12);
    QFont fixed("ＭＳ ゴシック");
    fixed.setPixelSize(12);
    fixed.setStyleHint(QFont::TypeWriter);
    milestone("fonts");

    QWidget w;
    w.setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
    w.setWindowTitle("Pelinor - HTML : フォント <FONT>");
    w.setFont(font);
    w.setFixedSize(304, 184);

    auto* size = new QGroupBox("大きさ（          ）", &w);
    size->setGeometry(16, 16, 105, 153);
    const char* sizes[] = {"未指定", "小 (\"1\")", "∧ (\"2\")", "∧ (\"3\")", "∧ (\"4\")", "∧ (\"5\")", "∧ (\"6\")", "大 (\"7\")"};
    for (int i = 0; i < 8; ++i) {
        auto* r = new QRadioButton(sizes[i], size);
        r->setGeometry(8, 12 + i * 17, 95, 17);
        r->setChecked(i == 0);
    }
    auto place = [&](QWidget* c, int x, int y, int cw, int ch) {
        c->setGeometry(x, y, cw, ch);
        return c;
    };
    auto* size_name = new QLabel("SIZE", &w);
    size_name->setFont(fixed);
    place(size_name, 66, 16, 24, 12);
    place(new QLabel("相対サイズ", &w), 136, 16, 60, 12);
    auto* relative = new QComboBox(&w);
    relative->addItems({"", "大きく (\"+\")", "小さく (\"-\")"});
    place(relative, 136, 32, 89, 20);
    place(new QLabel("色 (          )", &w), 136, 64, 80, 12);
    auto* color_name = new QLabel("COLOR", &w);
    color_name->setFont(fixed);
    place(color_name, 152, 64, 30, 12);
    auto* color = new QComboBox(&w);
    color->setEditable(true);
    color->addItems({"BLACK", "BLUE",   "LIME",  "AQUA",   "CYAN",   "RED",   "FUCHSIA", "MAGENTA",
                     "YELLOW", "WHITE", "GRAY",  "NAVY",   "GREEN",  "TEAL",  "MAROON",  "PURPLE",
                     "OLIVE", "SILVER", "GOLD",  "BROWN",  "ORANGE", "PINK"});
    color->setCurrentIndex(-1);
    place(color, 136, 80, 97, 20);
    place(new QPushButton("参照", &w), 240, 80, 49, 20);
    place(new QCheckBox("終了タグ省略", &w), 168, 120, 90, 17);
    auto* ok = new QPushButton("OK(&O)", &w);
    place(ok, 136, 144, 73, 25);
    auto* cancel = new QPushButton("ｷｬﾝｾﾙ(&C)", &w);
    place(cancel, 216, 144, 73, 25);
    QObject::connect(ok, &QPushButton::clicked, &w, &QWidget::close);
    QObject::connect(cancel, &QPushButton::clicked, &w, &QWidget::close);
    QObject::connect(new QShortcut(Qt::Key_Escape, &w), &QShortcut::activated, &w, &QWidget::close);
    milestone("widgets-made");
    // With milestones on, the end of the first paint is marked as corvane
    // marks it; otherwise nothing watches the window.
    struct FirstPaint : QObject {
        bool done = false;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint && !done) {
                done = true;
                QTimer::singleShot(0, this, [] { milestone("painted"); });
            }
            return false;
        }
    } first_paint;
    if (corvane::milestones_on()) w.installEventFilter(&first_paint);
    w.show();
    milestone("shown");
    size->findChild<QRadioButton*>()->setFocus();
    return app.exec();
}
