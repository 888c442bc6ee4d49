// SPDX-License-Identifier: GPL-3.0-or-later
// An exception that a handler lets out is stopped by the application object
// and reported; the program goes on.

#include "platform/guardedapplication.h"
#include "support/testenv.h"

#include <QTimer>
#include <QtTest>
#include <stdexcept>

class GuardedApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void aThrowingHandlerIsReportedAndTheProgramGoesOn() {
        testenv::ScriptedMessages messages;
        platform::setMessages(&messages);
        bool later = false;
        QTimer::singleShot(0, [] { throw std::runtime_error("The page is too big."); });
        QTimer::singleShot(0, [] { throw 42; });
        QTimer::singleShot(1, [&later] { later = true; });
        QTRY_VERIFY(later);
        QTRY_COMPARE(messages.said.size(), 2);
        const QString unexpected = QString::fromLatin1(platform::kUnexpectedProblem);
        QCOMPARE(messages.said[0], unexpected + QStringLiteral("\nThe page is too big."));
        QCOMPARE(messages.said[1], unexpected);
        platform::setMessages(nullptr);
    }
};

int main(int argc, char* argv[]) {
    platform::GuardedApplication app(argc, argv);
    GuardedApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_guardedapplication.moc"
