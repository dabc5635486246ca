#pragma once

#include <QApplication>
#include <cstdlib>

namespace TestSupport {

// The one QApplication a test program needs (fonts, painting, widgets), made on first use
// with the offscreen platform unless another is chosen. It lives until the process ends.
inline QApplication& qtApplication() {
    static int argc = 1;
    static char name[] = "vantor_tests";
    static char* argv[] = {name, nullptr};
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace TestSupport
