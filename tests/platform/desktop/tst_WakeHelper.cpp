// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the wake helper: what it accepts from the program, and the timer it then holds.
#include "AlarmTimers.h"
#include "WakeRequest.h"

#include <QDateTime>
#include <QProcess>
#include <QTest>

#include <unistd.h>

class TestWakeHelper : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void holdsOneTimerUntilItsInputEnds();
    void endsAtWhatItRefuses_data();
    void endsAtWhatItRefuses();

private:
    /// Starts the helper; false when it is not running.
    bool start(QProcess &helper);
    /// The helper's answer to @p line.
    QByteArray ask(QProcess &helper, const QByteArray &line);
};

void TestWakeHelper::parse_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<qint64>("at"); // -1: refused; 0: cancel

    const qint64 now = 1'800'000'000;
    QTest::newRow("an hour ahead") << QByteArray::number(now + 3600) << now + 3600;
    QTest::newRow("leading zeros") << "0" + QByteArray::number(now + 60) << now + 60;
    QTest::newRow("a second ago") << QByteArray::number(now - 1) << now - 1;
    QTest::newRow("cancel") << QByteArray("cancel") << qint64(0);
    QTest::newRow("two days and a second ahead") << QByteArray::number(now + 2 * 86400 + 1) << qint64(-1);
    QTest::newRow("more than an hour ago") << QByteArray::number(now - 3601) << qint64(-1);
    QTest::newRow("zero") << QByteArray("0") << qint64(-1);
    QTest::newRow("empty") << QByteArray() << qint64(-1);
    QTest::newRow("sign") << "+" + QByteArray::number(now + 60) << qint64(-1);
    QTest::newRow("space") << QByteArray::number(now + 60) + " " << qint64(-1);
    QTest::newRow("carriage return") << QByteArray::number(now + 60) + "\r" << qint64(-1);
    QTest::newRow("twelve digits") << QByteArray("001800000060") << qint64(-1);
    QTest::newRow("overflowing") << QByteArray("99999999999999999999999") << qint64(-1);
    QTest::newRow("a letter") << QByteArray("18000000x0") << qint64(-1);
    QTest::newRow("cancel, and more") << QByteArray("cancel 1") << qint64(-1);
    QTest::newRow("Cancel") << QByteArray("Cancel") << qint64(-1);
}

void TestWakeHelper::parse()
{
    QFETCH(QByteArray, line);
    QFETCH(qint64, at);
    const auto request = WakeRequest::parse(std::string_view(line.constData(), size_t(line.size())), 1'800'000'000);
    QCOMPARE(request.has_value(), at >= 0);
    if (request) {
        QCOMPARE(request->cancel, at == 0);
        QCOMPARE(qint64(request->at), at);
    }
}

bool TestWakeHelper::start(QProcess &helper)
{
    helper.setProgram(QStringLiteral(DORVANE_WAKE_HELPER_PATH));
    helper.start();
    return helper.waitForStarted(5000);
}

QByteArray TestWakeHelper::ask(QProcess &helper, const QByteArray &line)
{
    helper.write(line + '\n');
    while (!helper.canReadLine() && helper.waitForReadyRead(5000)) {
    }
    return helper.readLine().trimmed();
}

void TestWakeHelper::holdsOneTimerUntilItsInputEnds()
{
    QProcess helper;
    QVERIFY(start(helper));
    const QByteArray inAnHour = QByteArray::number(QDateTime::currentSecsSinceEpoch() + 3600);
    if (geteuid() != 0) {
        // Without the capability it says so and ends.
        QVERIFY(ask(helper, inAnHour).startsWith("error not permitted"));
        QVERIFY(helper.waitForFinished(5000));
        QCOMPARE(helper.exitCode(), 1);
        return;
    }
    QCOMPARE(ask(helper, inAnHour), QByteArray("ok"));
    const QList<qint64> left = AlarmTimers::secondsLeft(helper.processId());
    QCOMPARE(left.size(), 1);
    QVERIFY2(left.first() > 3590 && left.first() < 3600, qPrintable(QString::number(left.first())));
    QCOMPARE(ask(helper, "cancel"), QByteArray("ok"));
    QCOMPARE(AlarmTimers::secondsLeft(helper.processId()), QList<qint64>{});
    helper.closeWriteChannel();
    QVERIFY(helper.waitForFinished(5000));
    QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
    QCOMPARE(helper.exitCode(), 0);
}

void TestWakeHelper::endsAtWhatItRefuses_data()
{
    QTest::addColumn<QByteArray>("line"); // sent after a first request it takes, with or without privilege
    QTest::newRow("a time out of range") << QByteArray("1");
    QTest::newRow("a line too long") << QByteArray(100, '1');
    QTest::newRow("a zero byte") << QByteArray("cancel\0", 7);
}

void TestWakeHelper::endsAtWhatItRefuses()
{
    QFETCH(QByteArray, line);
    QProcess helper;
    QVERIFY(start(helper));
    QCOMPARE(ask(helper, "cancel"), QByteArray("ok"));
    QCOMPARE(ask(helper, line), QByteArray("refused"));
    QVERIFY(helper.waitForFinished(5000));
    QCOMPARE(helper.exitCode(), 2);
}

QTEST_GUILESS_MAIN(TestWakeHelper)
#include "tst_WakeHelper.moc"
