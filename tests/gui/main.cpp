// GUI tests run on Qt's offscreen platform with one application object.
#include <QApplication>
#include <gtest/gtest.h>

#include "frame/qt/qtplatform.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    corvane::install_font_substitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
