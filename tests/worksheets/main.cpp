// One executable for the worksheet tests; each class runs in turn.
#include <QGuiApplication>

int runQuestionFileTests(int argc, char** argv);
int runShippedQuestionsTests(int argc, char** argv);

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // measuring fonts needs the GUI side
    int failures = runQuestionFileTests(argc, argv);
    failures += runShippedQuestionsTests(argc, argv);
    return failures;
}
