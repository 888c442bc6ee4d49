// SPDX-License-Identifier: GPL-3.0-or-later
// One executable for the worksheet tests; each class runs in turn.
#include <QGuiApplication>

int runQuestionFileTests(int argc, char** argv);
int runWorksheetListTests(int argc, char** argv);
int runWorksheetEntriesTests(int argc, char** argv);

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // measuring fonts needs the GUI side
    return runQuestionFileTests(argc, argv) + runWorksheetListTests(argc, argv) +
           runWorksheetEntriesTests(argc, argv);
}
