// A bare Qt dialog of the font dialog's size with the standard OK and Cancel
// buttons: the yardstick for how fast a Corvane dialog gets on screen.
// With the argument "empty" it shows no text at all, which also spares Qt
// the set-up of its font system.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle("bare");
    dialog.setFixedSize(304, 184);
    if (argc < 2 || std::strcmp(argv[1], "empty") != 0) {
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        buttons->setGeometry(120, 144, 170, 30);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    }
    dialog.show();
    return app.exec();
}
