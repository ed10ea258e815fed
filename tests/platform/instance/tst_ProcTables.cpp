// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of reading Linux's table of locks: which process holds the flock on a folder.
#include "ProcTables.h"

#include <QTest>

class TestProcTables : public QObject
{
    Q_OBJECT

private slots:
    void flockHolder_data();
    void flockHolder();
};

void TestProcTables::flockHolder_data()
{
    QTest::addColumn<QByteArray>("locks");
    QTest::addColumn<qint64>("holder"); // of the flock on fd:01:1311; -1 for none

    const QByteArray posix = "1: POSIX  ADVISORY  WRITE 1001 fd:01:1311 0 EOF\n";
    const QByteArray waiter = "2: -> FLOCK  ADVISORY  WRITE 5555 fd:01:1311 0 EOF\n";
    QTest::newRow("held, with a waiter") << posix + "2: FLOCK  ADVISORY  WRITE 4242 fd:01:1311 0 EOF\n" + waiter
                                         << qint64(4242);
    QTest::newRow("only a record lock and a waiter") << posix + waiter << qint64(-1);
    QTest::newRow("the same inode on another device") << QByteArray("3: FLOCK  ADVISORY  WRITE 7777 00:2b:1311 0 EOF\n")
                                                      << qint64(-1);
}

void TestProcTables::flockHolder()
{
    QFETCH(QByteArray, locks);
    QFETCH(qint64, holder);
    QCOMPARE(ProcTables::flockHolder(locks, 0xfd, 0x01, 1311).value_or(-1), holder);
}

QTEST_GUILESS_MAIN(TestProcTables)
#include "tst_ProcTables.moc"
