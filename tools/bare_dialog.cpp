// A bare Qt dialog of the font dialog's size: the yardstick for how fast a
// Corvane dialog gets on screen.
#include <QApplication>
#include <QDialog>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle("bare");
    dialog.setFixedSize(304, 184);
    dialog.show();
    return app.exec();
}
