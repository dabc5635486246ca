#pragma once

#include <QApplication>
#include <cstdlib>

namespace rook2test {

// The one QApplication the tests of this folder need (fonts, painting, widgets), made on
// first use with the offscreen platform unless another is chosen.
inline QApplication& qtApplication() {
    static int argc = 1;
    static char name[] = "rook2_tests";
    static char* argv[] = {name, nullptr};
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace rook2test
