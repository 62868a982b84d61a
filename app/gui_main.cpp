#include "app/gui_main.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host/native_hostlink.h"

namespace corvane {

int gui_main(int argc, char** argv) {
    QApplication app(argc, argv);
    (void)app;
    return 0;
}

}  // namespace corvane
