// Corvella: the program starts on the title screen; everything afterwards
// happens in the event loop.

#include "app/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    app::beforeApplication();
    QApplication application(argc, argv);
    app::start();
    return application.exec();
}
