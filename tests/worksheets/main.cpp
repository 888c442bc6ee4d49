// SPDX-License-Identifier: GPL-3.0-or-later
// One executable for the worksheet tests; each class runs in turn. The same
// executable also serves as a second process writing a worksheet list.
#include "listwriterchild.h"

#include <QGuiApplication>

int runQuestionFileTests(int argc, char** argv);
int runShippedQuestionsTests(int argc, char** argv);
int runWorksheetListTests(int argc, char** argv);
int runWorksheetEntriesTests(int argc, char** argv);
int runWorksheetSavingTests(int argc, char** argv);
int runWorksheetPrintingTests(int argc, char** argv);
int runCataloguePagingTests(int argc, char** argv);

int main(int argc, char** argv) {
    if (isListWriterChild(argc, argv))
        return runListWriterChild(argc, argv);
    QGuiApplication app(argc, argv); // measuring fonts needs the GUI side
    int failures = runQuestionFileTests(argc, argv);
    failures += runShippedQuestionsTests(argc, argv);
    failures += runWorksheetListTests(argc, argv);
    failures += runWorksheetEntriesTests(argc, argv);
    failures += runWorksheetSavingTests(argc, argv);
    failures += runWorksheetPrintingTests(argc, argv);
    failures += runCataloguePagingTests(argc, argv);
    return failures;
}
