// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of what the wake helper accepts from the program; the timer it holds is seen end to end.
#include "WakeProtocol.h"

#include <QProcess>
#include <QTest>

class TestWakeHelper : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void endsAtWhatItRefuses();
};

void TestWakeHelper::parse_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<qint64>("at"); // -1: refused; 0: cancel

    const qint64 now = 1'800'000'000;
    QTest::newRow("an hour ahead") << QByteArray::number(now + 3600) << now + 3600;
    QTest::newRow("cancel") << QByteArray("cancel") << qint64(0);
    QTest::newRow("two days and a second ahead") << QByteArray::number(now + 2 * 86400 + 1) << qint64(-1);
    QTest::newRow("more than an hour ago") << QByteArray::number(now - 3601) << qint64(-1);
    QTest::newRow("empty") << QByteArray() << qint64(-1);
    QTest::newRow("a sign, or any other character") << "+" + QByteArray::number(now + 60) << qint64(-1);
    QTest::newRow("twelve digits") << QByteArray("001800000060") << qint64(-1);
}

void TestWakeHelper::parse()
{
    QFETCH(QByteArray, line);
    QFETCH(qint64, at);
    const auto request = WakeProtocol::parse(std::string_view(line.constData(), size_t(line.size())), 1'800'000'000);
    QCOMPARE(request ? qint64(request->at) : -1, at);
    QCOMPARE(request && request->cancel, at == 0);
}

void TestWakeHelper::endsAtWhatItRefuses()
{
    // A line longer than any it takes, with or without the capability.
    QProcess helper;
    helper.start(QStringLiteral(DORVANE_WAKE_HELPER_PATH));
    QVERIFY(helper.waitForStarted(5000));
    helper.write(QByteArray(100, '1') + '\n');
    QVERIFY(helper.waitForFinished(5000));
    QCOMPARE(helper.readAll(), QByteArray("refused\n"));
    QCOMPARE(helper.exitCode(), 2);
}

QTEST_GUILESS_MAIN(TestWakeHelper)
#include "tst_WakeHelper.moc"
