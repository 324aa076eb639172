// One QApplication for the widget tests, on Qt's offscreen platform.
#pragma once

#include <QApplication>

namespace xtr::test {

inline QApplication& QtApp()
{
    static int argc = 1;
    static char name[] = "xtr450-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        // Offscreen unless a platform is asked for (screenshots under Xvfb).
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        return new QApplication(argc, argv);
    }();
    return *app;
}

}  // namespace xtr::test
