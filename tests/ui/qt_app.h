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
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

}  // namespace xtr::test
