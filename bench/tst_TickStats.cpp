// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the bench's arithmetic: which seconds count, and whose fault a late tick is.
#include "TickStats.h"

#include <QTest>

namespace {

// A whole second, far from the epoch, that every row below counts from.
constexpr qint64 base = 1'800'000'000'000;

} // namespace

class TestTickStats : public QObject
{
    Q_OBJECT

private slots:
    void percentile();
    void onlyWholeSecondsCount();
    void gapsAndDoubles();
    void blockExcusesOnlySecondsThatBeganInIt();
    void alarms();
};

void TestTickStats::percentile()
{
    // Nearest rank: with fewer than a hundred values the 99th percentile is the largest.
    const QList<qint64> values = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    QCOMPARE(TickStatsMath::percentile(values, 50), 5);
    QCOMPARE(TickStatsMath::percentile(values, 99), 10);
    QCOMPARE(TickStatsMath::percentile({7}, 99), 7);
    QVERIFY(!TickStatsMath::percentile({}, 99));
}

void TestTickStats::onlyWholeSecondsCount()
{
    // The phase starts and ends mid-second: the ticks there, and the lack of them, are not counted.
    const TickStats stats = TickStatsMath::summarize({base + 402, base + 1002, base + 2002, base + 3002, base + 4002, base + 5390},
                                                     base + 400, base + 5400, {}, {});
    QCOMPARE(stats.wholeSeconds, 4);
    QCOMPARE(stats.ticks, 4);
    QCOMPARE(stats.secondsWithoutTick, 0);
    QCOMPARE(stats.lagMax, 2);

    const TickStats exact = TickStatsMath::summarize({base + 1002, base + 2002}, base + 1000, base + 3000, {}, {});
    QCOMPARE(exact.wholeSeconds, 2);
    QCOMPARE(exact.secondsWithoutTick, 0);
}

void TestTickStats::gapsAndDoubles()
{
    // A tick a hair early lands in the second before: that one gets two, the next none.
    const TickStats stats = TickStatsMath::summarize({base + 1010, base + 2010, base + 2999, base + 4500},
                                                     base, base + 5000, {}, {});
    QCOMPARE(stats.wholeSeconds, 5);
    QCOMPARE(stats.secondsWithoutTick, 2);
    QCOMPARE(stats.secondsWithSeveralTicks, 1);
    QCOMPARE(stats.lagP50, 10);
    QCOMPARE(stats.lagMax, 999);
}

void TestTickStats::blockExcusesOnlySecondsThatBeganInIt()
{
    const QList<Block> blocks = {{base + 1900, base + 2250}, {base + 3001, base + 3200}};
    const TickStats stats = TickStatsMath::summarize({base + 1002, base + 2253, base + 3200, base + 4002},
                                                     base + 1000, base + 5000, blocks, {});
    QCOMPARE(stats.lagMax, 253);
    // The second at 3000 began before its block, so its tick's 200 ms are not the block's to excuse.
    QCOMPARE(stats.lagBeyondBlockMax, 200);
    QCOMPARE(TickStatsMath::lagBeyondBlock(base + 2253, blocks), 3);
    QCOMPARE(TickStatsMath::lagBeyondBlock(base + 4002, blocks), 2);
}

void TestTickStats::alarms()
{
    const TickStats stats = TickStatsMath::summarize({}, base, base + 4000, {}, {1, 0, 2, 3});
    QCOMPARE(stats.alarmsMissed, 1);
    QCOMPARE(stats.alarmsDoubled, 2);
    QCOMPARE(stats.secondsWithoutTick, 4);
    QVERIFY(!stats.lagP99);
}

QTEST_GUILESS_MAIN(TestTickStats)
#include "tst_TickStats.moc"
