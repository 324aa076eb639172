// One QApplication for the widget tests, on Qt's offscreen platform unless
// QT_QPA_PLATFORM names another.
#pragma once

#include <QApplication>

namespace xtr::test {

inline QApplication& QtApp()
{
    static int argc = 1;
    static char name[] = "xtr450-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        // Offscreen unless a platform is named (to look at the windows
        // under a virtual X server).
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        return new QApplication(argc, argv);
    }();
    return *app;
}

}  // namespace xtr::test
