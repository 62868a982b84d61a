// Renders every dialog to a PNG file on the offscreen platform, as it shows
// with the given case settings, with its caption drawn above the client area.
// Usage: corvane_shots OUTDIR [ELEMENT ATTRIBUTE VALUE]
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "app/switches.h"
#include "frame/qt/dialogwindow.h"
#include "frame/qt/qtplatform.h"
#include "host/quiethost.h"
#include "setup/setup.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 5) {
        std::fprintf(stderr, "usage: corvane_shots OUTDIR [ELEMENT ATTRIBUTE VALUE]\n");
        return 2;
    }
    QApplication app(argc, argv);
    corvane::install_font_substitutes();
    corvane::CaseSettings cs;
    QString suffix;
    if (argc == 5) {
        cs = {std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4])};
        suffix = QString("-%1%2%3").arg(cs.element).arg(cs.attribute).arg(cs.value);
    }
    QDir().mkpath(argv[1]);
    corvane::QuietHost host;
    corvane::QtPlatform platform;
    std::vector<const corvane::DialogDesign*> designs;
    for (const corvane::SwitchRow& row : corvane::all_switches())
        if (row.action == corvane::Action::TagDialog) designs.push_back(&row.design());
    designs.push_back(&corvane::TFormSetup());
    for (const corvane::DialogDesign* design : designs) {
        corvane::Dialog dialog(*design, host, platform);
        dialog.create();
        dialog.set_case_settings(cs);
        corvane::DialogWindow window(dialog);
        window.show();
        QApplication::processEvents();
        QPixmap client = window.grab();
        const int bar = 22;
        QImage out(client.width() + 2, client.height() + bar + 2, QImage::Format_RGB32);
        out.fill(QColor(10, 36, 106));
        QPainter p(&out);
        p.setPen(Qt::white);
        p.setFont(corvane::dialog_font());
        p.drawText(QRect(4, 0, out.width() - 8, bar), Qt::AlignVCenter | Qt::AlignLeft, window.windowTitle());
        p.drawPixmap(1, bar + 1, client);
        p.end();
        QString file = QString("%1/%2%3.png").arg(argv[1], QString::fromStdString(design->class_name), suffix);
        out.save(file);
        std::printf("%s\n", file.toLocal8Bit().constData());
        window.close();
    }
    return 0;
}
