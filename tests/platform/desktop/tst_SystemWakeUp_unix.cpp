// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of waking the computer on Linux: the switch that turns it off, and the program's own timer.
#include "AlarmTimers.h"
#include "SystemWakeUp.h"

#include <QTest>

#include <unistd.h>

class TestSystemWakeUp : public QObject
{
    Q_OBJECT

private slots:
    void turnedOff_data();
    void turnedOff();
    void ownTimerMovesAndGoes();
};

void TestSystemWakeUp::turnedOff_data()
{
    QTest::addColumn<QString>("value"); // of DORVANE_WAKE
    QTest::addColumn<bool>("off");
    QTest::newRow("unset") << QString() << false;
    QTest::newRow("off") << "off" << true;
    QTest::newRow("OFF, with spaces") << " OFF " << true;
    QTest::newRow("no") << "no" << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("on") << "on" << false;
    QTest::newRow("a typing error wakes") << "of" << false;
}

void TestSystemWakeUp::turnedOff()
{
    QFETCH(QString, value);
    QFETCH(bool, off);
    const std::unique_ptr<WakeUp> wakeUp = SystemWakeUp::forSwitch(value);
    QCOMPARE(dynamic_cast<SystemWakeUp *>(wakeUp.get()) == nullptr, off);
    QCOMPARE(wakeUp->obstacle(), off ? QStringLiteral("waking the computer is turned off with DORVANE_WAKE=off") : QString());
}

void TestSystemWakeUp::ownTimerMovesAndGoes()
{
    auto wakeUp = std::make_unique<SystemWakeUp>();
    const QDateTime now = QDateTime::currentDateTime();
    wakeUp->wakeAt(now.addSecs(3600));
    if (geteuid() != 0) {
        // No capability, and no helper beside this test: it says what is missing.
        QVERIFY2(wakeUp->obstacle().contains(QStringLiteral("dorvane-wake")), qPrintable(wakeUp->obstacle()));
        return;
    }
    QCOMPARE(wakeUp->obstacle(), QString());
    QList<qint64> left = AlarmTimers::secondsLeft(getpid());
    QVERIFY2(left.size() == 1 && left.first() > 3590 && left.first() < 3600, qPrintable(QString::number(left.value(0))));
    wakeUp->wakeAt(now.addSecs(7200));
    left = AlarmTimers::secondsLeft(getpid());
    QVERIFY2(left.size() == 1 && left.first() > 7190 && left.first() < 7200, qPrintable(QString::number(left.value(0))));
    wakeUp->wakeAt(QDateTime());
    QCOMPARE(AlarmTimers::secondsLeft(getpid()), QList<qint64>{});
    wakeUp->wakeAt(now.addSecs(60));
    QCOMPARE(AlarmTimers::secondsLeft(getpid()).size(), 1);
    wakeUp.reset();
    QCOMPARE(AlarmTimers::secondsLeft(getpid()), QList<qint64>{});
}

QTEST_GUILESS_MAIN(TestSystemWakeUp)
#include "tst_SystemWakeUp_unix.moc"
