// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of what the wake-up timer hands to Windows, and what it makes of the answer.
#include "WaitableTimer_win.h"

#include <QTest>
#include <QTimeZone>

class TestWaitableTimer : public QObject
{
    Q_OBJECT

private slots:
    void handedToTheSystem_data();
    void handedToTheSystem();
};

void TestWaitableTimer::handedToTheSystem_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<bool>("done"); // what the system answers
    QTest::addColumn<DWORD>("error");
    QTest::addColumn<qint64>("due"); // 100 ns since 1601 UTC; -1: cancelled
    QTest::addColumn<QString>("obstacle");

    const QDateTime morning(QDate(2026, 6, 15), QTime(5, 29, 30), QTimeZone(9 * 3600));
    const qint64 due = 134'259'425'700'000'000LL; // 2026-06-14 20:29:30 UTC
    QTest::newRow("set") << morning << true << DWORD(ERROR_SUCCESS) << due << QString();
    QTest::newRow("set, but no resume on this computer")
        << morning << true << DWORD(ERROR_NOT_SUPPORTED) << due << "this computer does not support waking by timer";
    QTest::newRow("refused") << morning << false << DWORD(ERROR_ACCESS_DENIED) << due << "Windows refused the wake-up timer";
    QTest::newRow("withdrawn") << QDateTime() << true << DWORD(ERROR_SUCCESS) << -1LL << QString();
}

void TestWaitableTimer::handedToTheSystem()
{
    QFETCH(QDateTime, moment);
    QFETCH(bool, done);
    QFETCH(DWORD, error);
    QFETCH(qint64, due);
    QFETCH(QString, obstacle);

    QList<qint64> handed; // only a timer that resumes the computer wakes it: -2 for one that does not
    WaitableTimer timer([&](const LARGE_INTEGER *dueTime, BOOL resume) {
        handed.append(!dueTime ? -1 : resume ? dueTime->QuadPart : -2);
        return WaitableTimer::Answer{done, error};
    });
    const QString said = timer.setFor(moment);
    QCOMPARE(handed, QList<qint64>{due});
    QVERIFY2(obstacle.isEmpty() ? said.isEmpty() : said.startsWith(obstacle), qPrintable(said));
}

QTEST_GUILESS_MAIN(TestWaitableTimer)
#include "tst_WaitableTimer_win.moc"
