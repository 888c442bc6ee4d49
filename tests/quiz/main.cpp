// SPDX-License-Identifier: GPL-3.0-or-later
// One executable for the quiz's plain logic; each class runs in turn.
#include <QGuiApplication>

int runScoringTests(int argc, char** argv);
int runCertificateTests(int argc, char** argv);

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    int failures = runScoringTests(argc, argv);
    failures += runCertificateTests(argc, argv);
    return failures;
}
