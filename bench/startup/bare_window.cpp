// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: a bare Qt Widgets window of 800 by 600 holding a
// label and a button, built with the same flags as the program. The outside
// start-up benchmark races the program against it.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(800, 600);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("A bare window")));
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    window.show();
    return application.exec();
}
