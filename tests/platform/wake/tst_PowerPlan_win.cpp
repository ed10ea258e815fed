// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of what the power plan's "Allow wake timers" makes Dorvane say.
#include "PowerPlan_win.h"

#include <QTest>

class TestPowerPlan : public QObject
{
    Q_OBJECT

private slots:
    void obstacle_data();
    void obstacle();
};

void TestPowerPlan::obstacle_data()
{
    QTest::addColumn<int>("pluggedIn"); // -1: could not be read
    QTest::addColumn<int>("onBattery");
    QTest::addColumn<bool>("hasBattery");
    QTest::addColumn<QString>("obstacle");

    QTest::newRow("enabled") << 1 << 1 << true << QString();
    QTest::newRow("disabled") << 0 << 0 << true << "Windows' power plan does not let timers wake this computer (";
    QTest::newRow("disabled when plugged in, on a computer without battery") << 0 << 1 << false << "does not let timers wake this computer (";
    QTest::newRow("important wake timers only, when plugged in") << 2 << 1 << true << "while it is plugged in";
    QTest::newRow("disabled on battery") << 1 << 0 << true << "while it runs on battery";
    QTest::newRow("disabled on battery, on a computer without one") << 1 << 0 << false << QString();
    QTest::newRow("not readable") << -1 << -1 << true << QString();
}

void TestPowerPlan::obstacle()
{
    QFETCH(int, pluggedIn);
    QFETCH(int, onBattery);
    QFETCH(bool, hasBattery);
    QFETCH(QString, obstacle);
    PowerPlan::Reading reading;
    if (pluggedIn >= 0)
        reading.pluggedIn = DWORD(pluggedIn);
    if (onBattery >= 0)
        reading.onBattery = DWORD(onBattery);
    reading.hasBattery = hasBattery;
    const QString said = PowerPlan::obstacle(reading);
    QVERIFY2(obstacle.isEmpty() ? said.isEmpty() : said.contains(obstacle), qPrintable(said));
}

QTEST_GUILESS_MAIN(TestPowerPlan)
#include "tst_PowerPlan_win.moc"
