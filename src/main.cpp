// Corvella: the program starts on the title screen; everything afterwards
// happens in the event loop.

#include "shell/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    shell::beforeApplication();
    QApplication application(argc, argv);
    shell::start();
    return application.exec();
}
