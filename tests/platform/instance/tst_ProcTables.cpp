// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of reading Linux's tables of locks, processes and sockets: whose lock it is, and which doorbells there are.
#include "ProcTables.h"

#include <QTest>

class TestProcTables : public QObject
{
    Q_OBJECT

private slots:
    void flockHolder_data();
    void flockHolder();
    void effectiveUid_data();
    void effectiveUid();
    void abstractListeners();
};

void TestProcTables::flockHolder_data()
{
    QTest::addColumn<QByteArray>("locks");
    QTest::addColumn<qint64>("holder"); // of the flock on fd:01:1311; -1 for none

    const QByteArray posix = "1: POSIX  ADVISORY  WRITE 1001 fd:01:1311 0 EOF\n";
    const QByteArray held = "2: FLOCK  ADVISORY  WRITE 4242 fd:01:1311 0 EOF\n";
    const QByteArray waiter = "2: -> FLOCK  ADVISORY  WRITE 5555 fd:01:1311 0 EOF\n";
    QTest::newRow("held, with a waiter") << posix + held + waiter << qint64(4242);
    QTest::newRow("a record lock is no flock") << posix << qint64(-1);
    QTest::newRow("only a waiter listed") << waiter << qint64(-1);
    QTest::newRow("the same inode on another device") << QByteArray("3: FLOCK  ADVISORY  WRITE 7777 00:2b:1311 0 EOF\n")
                                                      << qint64(-1);
    QTest::newRow("another inode") << QByteArray("3: FLOCK  ADVISORY  WRITE 7777 fd:01:13110 0 EOF\n") << qint64(-1);
    QTest::newRow("nothing readable") << QByteArray() << qint64(-1);
}

void TestProcTables::flockHolder()
{
    QFETCH(QByteArray, locks);
    QFETCH(qint64, holder);
    QCOMPARE(ProcTables::flockHolder(locks, 0xfd, 0x01, 1311).value_or(-1), holder);
}

void TestProcTables::effectiveUid_data()
{
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<int>("uid"); // -1 for none

    QTest::newRow("the effective one, not the real one")
        << QByteArray("Name:\tsleep\nPid:\t4242\nUid:\t1000\t1001\t1000\t1000\nGid:\t0\t0\t0\t0\n") << 1001;
    QTest::newRow("no Uid line") << QByteArray("Name:\tsleep\nGid:\t1000\t1000\t1000\t1000\n") << -1;
}

void TestProcTables::effectiveUid()
{
    QFETCH(QByteArray, status);
    QFETCH(int, uid);
    const std::optional<uint> found = ProcTables::effectiveUid(status);
    QCOMPARE(found ? int(*found) : -1, uid);
}

void TestProcTables::abstractListeners()
{
    // A listening doorbell, a call it took (same name, not listening), a call
    // that outlived its doorbell, a socket on a file, one without a name, and
    // another listening name.
    const QByteArray sockets = "Num       RefCount Protocol Flags    Type St Inode Path\n"
                               "0000000074eed71d: 00000002 00000000 00010000 0001 01 91419 @dorvane-a-fe00-a7-1\n"
                               "00000000c2fa26e0: 00000003 00000000 00000000 0001 03 91500 @dorvane-a-fe00-a7-1\n"
                               "00000000c2fa26e1: 00000003 00000000 00000000 0001 03 91501 @dorvane-b-fe00-a8-2\n"
                               "000000008f44246f: 00000002 00000000 00010000 0001 01 89012 /tmp/report.sock\n"
                               "000000009a8fa471: 00000003 00000000 00000000 0001 03 89864\n"
                               "000000002e91f32c: 00000002 00000000 00010000 0001 01 89016 @/tmp/.X11-unix/X0\n";
    QCOMPARE(ProcTables::abstractListeners(sockets), (QList<QByteArray>{"dorvane-a-fe00-a7-1", "/tmp/.X11-unix/X0"}));
}

QTEST_GUILESS_MAIN(TestProcTables)
#include "tst_ProcTables.moc"
