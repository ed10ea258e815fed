// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of when the alarm is due, tick by tick: once per day, never missed for a late tick;
// when one is missed, and why.
// The watch follows Europe/Berlin's wall clock, for its daylight saving changes,
// whatever the machine's zone: Windows takes no zone from the environment.
#include "AlarmWatch.h"
#include "TickSchedule.h"

#include <QScopeGuard>
#include <QTest>

#include <ctime>

namespace {

const QTimeZone berlin("Europe/Berlin");

// "yyyy-MM-dd hh:mm:ss.zzz" on Berlin's wall clock, or as UTC with a trailing
// "Z" (the only way to name one of the two readings of a repeated hour).
QDateTime moment(const QString &text)
{
    const bool utc = text.endsWith(u'Z');
    QDateTime parsed = QDateTime::fromString(utc ? text.chopped(1) : text, QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    parsed.setTimeZone(utc ? QTimeZone::utc() : berlin);
    return parsed;
}

} // namespace

class TestAlarmWatch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void ticks_data();
    void ticks();
    void changedAlarmCountsFromNextTick();
    void missed_data();
    void missed();
    void causeOfGap_data();
    void causeOfGap();
    void occurrence_data();
    void occurrence();
    void followsTheZoneGiven();
    void computersZoneChanges();
    void nextTick_data();
    void nextTick();
};

void TestAlarmWatch::initTestCase()
{
    // The daylight saving rows below only mean something in this zone.
    QVERIFY2(berlin.isValid(), "this system knows no Europe/Berlin");
    QCOMPARE(moment(QStringLiteral("2026-07-01 12:00:00.000")).offsetFromUtc(), 7200);
    QCOMPARE(moment(QStringLiteral("2026-01-01 12:00:00.000")).offsetFromUtc(), 3600);
}

void TestAlarmWatch::ticks_data()
{
    QTest::addColumn<QTime>("alarm");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QString>("fires"); // one character per tick: X fires, . does not

    const QString day = QStringLiteral("2026-06-15 ");
    auto on = [&](const QStringList &times) {
        QStringList moments;
        for (const QString &time : times)
            moments.append(time.contains(u'-') ? time : day + time);
        return moments;
    };

    QTest::newRow("exact second fires once")
        << QTime(7, 30) << day + "07:29:58.500" << on({"07:29:59.002", "07:30:00.002", "07:30:01.002"}) << ".X.";
    QTest::newRow("07:30:00 PM is not a 07:30:00 AM alarm")
        << QTime(7, 30) << day + "19:29:58.500" << on({"19:29:59.002", "19:30:00.002", "19:30:01.002"}) << "...";
    QTest::newRow("seconds of the alarm count")
        << QTime(7, 30, 15) << day + "07:30:13.500" << on({"07:30:14.002", "07:30:15.002", "07:30:16.002"}) << ".X.";
    QTest::newRow("two ticks in the alarm second fire once")
        << QTime(7, 30) << day + "07:29:58.500" << on({"07:29:59.002", "07:30:00.002", "07:30:00.700", "07:30:01.002"}) << ".X..";
    QTest::newRow("tick lands late in the alarm second")
        << QTime(7, 30) << day + "07:29:58.500" << on({"07:29:59.990", "07:30:00.999", "07:30:01.002"}) << ".X.";
    QTest::newRow("late tick, 45 s")
        << QTime(7, 30) << day + "07:29:58.500" << on({"07:29:59.002", "07:30:45.002", "07:30:46.002"}) << ".X.";
    QTest::newRow("late tick, 60 s")
        << QTime(7, 30) << day + "07:29:58.500" << on({"07:29:59.002", "07:31:00.900", "07:31:01.002"}) << ".X.";
    QTest::newRow("late tick, 61 s, let go")
        << QTime(7, 30) << day + "07:29:58.500" << on({"07:29:59.002", "07:31:01.002", "07:31:02.002"}) << "...";
    QTest::newRow("clock set forward over the alarm")
        << QTime(7, 30) << day + "06:59:59.500" << on({"07:00:00.002", "08:00:00.002", "08:00:01.002"}) << "...";
    QTest::newRow("clock set back after the alarm fires no second time")
        << QTime(7, 30) << day + "07:29:58.500"
        << on({"07:29:59.002", "07:30:00.002", "07:30:01.002", "07:29:50.002", "07:29:59.002", "07:30:00.002", "07:30:01.002"})
        << ".X.....";
    QTest::newRow("clock set back before the alarm, then it comes")
        << QTime(7, 30) << day + "07:40:00.500" << on({"07:40:01.002", "07:29:58.002", "07:29:59.002", "07:30:00.002"}) << "...X";
    QTest::newRow("started in the alarm second")
        << QTime(7, 30) << day + "07:30:00.300" << on({"07:30:01.002", "07:30:02.002"}) << "..";
    QTest::newRow("started after the alarm second")
        << QTime(7, 30) << day + "07:30:01.300" << on({"07:30:02.002", "07:30:03.002"}) << "..";
    QTest::newRow("midnight alarm at the rollover")
        << QTime(0, 0) << day + "23:59:58.500" << on({"23:59:59.002", "2026-06-16 00:00:00.002", "2026-06-16 00:00:01.002"}) << ".X.";
    QTest::newRow("last second of the day, tick late past midnight")
        << QTime(23, 59, 59) << day + "23:59:57.500" << on({"23:59:58.002", "2026-06-16 00:00:20.002"}) << ".X";
    QTest::newRow("every day again")
        << QTime(7, 30) << day + "07:29:59.500"
        << on({"07:30:00.002", "07:30:01.002", "2026-06-16 07:29:59.002", "2026-06-16 07:30:00.002", "2026-06-16 07:30:01.002"})
        << "X..X.";

    // 29 March 2026: clocks go from 02:00 CET straight to 03:00 CEST.
    QTest::newRow("skipped hour: fires at the jump")
        << QTime(2, 30) << "2026-03-29 01:59:58.500" << QStringList{"2026-03-29 01:59:59.002", "2026-03-29 03:00:00.002", "2026-03-29 03:00:01.002"} << ".X.";
    QTest::newRow("skipped hour: start of the gap")
        << QTime(2, 0) << "2026-03-29 01:59:58.500" << QStringList{"2026-03-29 01:59:59.002", "2026-03-29 03:00:00.002", "2026-03-29 03:00:01.002"} << ".X.";
    QTest::newRow("skipped hour: late tick after the jump")
        << QTime(2, 59, 59) << "2026-03-29 01:59:58.500" << QStringList{"2026-03-29 01:59:59.002", "2026-03-29 03:00:40.002"} << ".X";
    QTest::newRow("skipped hour: the hour after is untouched")
        << QTime(3, 30) << "2026-03-29 03:29:58.500" << QStringList{"2026-03-29 03:29:59.002", "2026-03-29 03:30:00.002"} << ".X";
    // 25 October 2026: 02:00 to 03:00 comes twice, first in CEST (00:00Z), then in CET (01:00Z).
    QTest::newRow("repeated hour fires once")
        << QTime(2, 30) << "2026-10-25 00:29:58.500Z"
        << QStringList{"2026-10-25 00:29:59.002Z", "2026-10-25 00:30:00.002Z", "2026-10-25 00:30:01.002Z",
                       "2026-10-25 01:29:59.002Z", "2026-10-25 01:30:00.002Z", "2026-10-25 01:30:01.002Z"}
        << ".X....";
}

void TestAlarmWatch::ticks()
{
    QFETCH(QTime, alarm);
    QFETCH(QString, start);
    QFETCH(QStringList, ticks);
    QFETCH(QString, fires);
    QCOMPARE(ticks.size(), fires.size());

    AlarmWatch watch(berlin);
    watch.start(moment(start));
    QString fired;
    for (const QString &tick : ticks) {
        const QDateTime now = moment(tick);
        QVERIFY2(now.isValid(), qPrintable(tick));
        fired.append(watch.recordTick(now, alarm).fire ? u'X' : u'.');
        // What fired is the occurrence just past, of its own day (the day before, for a tick late past midnight).
        if (fired.endsWith(u'X'))
            QVERIFY2(watch.lastFired() <= now && watch.lastFired().msecsTo(now) < AlarmWatch::lateLimitMs, qPrintable(tick));
    }
    QCOMPARE(fired, fires);
}

void TestAlarmWatch::changedAlarmCountsFromNextTick()
{
    AlarmWatch watch(berlin);
    watch.start(moment(QStringLiteral("2026-06-15 07:29:58.500")));
    QVERIFY(!watch.recordTick(moment(QStringLiteral("2026-06-15 07:29:59.002")), QTime(7, 30)).fire);
    QVERIFY(watch.recordTick(moment(QStringLiteral("2026-06-15 07:30:00.002")), QTime(7, 30)).fire);
    // Set to the second on the clock, or one just passed: not fired after the fact.
    QVERIFY(!watch.recordTick(moment(QStringLiteral("2026-06-15 07:30:01.002")), QTime(7, 30, 0)).fire);
    QVERIFY(!watch.recordTick(moment(QStringLiteral("2026-06-15 07:30:02.002")), QTime(7, 30, 1)).fire);
    // Set a few seconds ahead: fires when it comes, although today's alarm has fired.
    QVERIFY(!watch.recordTick(moment(QStringLiteral("2026-06-15 07:30:03.002")), QTime(7, 30, 4)).fire);
    QVERIFY(watch.recordTick(moment(QStringLiteral("2026-06-15 07:30:04.002")), QTime(7, 30, 4)).fire);
}

void TestAlarmWatch::missed_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("tick"); // the first after the start
    QTest::addColumn<bool>("fires");
    QTest::addColumn<QString>("missed"); // the first occurrence told, or empty
    QTest::addColumn<int>("count");      // how many were told

    const QString day = QStringLiteral("2026-06-15 ");
    QTest::newRow("30 s late: played, not told") << day + "07:29:58.500" << day + "07:30:30.002" << true << "" << 0;
    QTest::newRow("61 s late: told") << day + "07:29:58.500" << day + "07:31:01.002" << false << day + "07:30:00.000" << 1;
    QTest::newRow("2 h late: told") << day + "07:29:58.500" << day + "09:30:00.002" << false << day + "07:30:00.000" << 1;
    QTest::newRow("50 h late: three told, the first named") << day + "07:29:58.500" << "2026-06-17 09:30:00.002" << false
                                                            << day + "07:30:00.000" << 3;
    QTest::newRow("a year late, the last one played") << day + "07:29:58.500" << "2027-06-15 07:30:10.002" << true
                                                      << day + "07:30:00.000" << 365;
    QTest::newRow("clock set back over it: nothing") << day + "07:40:00.500" << day + "07:00:00.002" << false << "" << 0;
    QTest::newRow("started after it: nothing") << day + "07:30:00.300" << day + "09:00:00.002" << false << "" << 0;
}

void TestAlarmWatch::missed()
{
    QFETCH(QString, start);
    QFETCH(QString, tick);
    QFETCH(bool, fires);
    QFETCH(QString, missed);
    QFETCH(int, count);
    AlarmWatch watch(berlin);
    watch.start(moment(start));
    const AlarmWatch::Tick late = watch.recordTick(moment(tick), QTime(7, 30));
    QCOMPARE(late.fire, fires);
    QCOMPARE(late.missed.toUTC(), missed.isEmpty() ? QDateTime() : moment(missed).toUTC());
    QCOMPARE(late.missedCount, count);
    QVERIFY(!watch.recordTick(moment(tick).addSecs(1), QTime(7, 30)).missed.isValid()); // told once
}

void TestAlarmWatch::causeOfGap_data()
{
    // How far each clock moved between two ticks, in seconds.
    QTest::addColumn<int>("wall");
    QTest::addColumn<int>("awake");
    QTest::addColumn<int>("sinceBoot");
    QTest::addColumn<AlarmWatch::Gap>("cause");
    QTest::newRow("asleep for the night") << 8 * 3600 << 1 << 8 * 3600 << AlarmWatch::Gap::Asleep;
    QTest::newRow("clock set forward") << 2 * 3600 << 1 << 1 << AlarmWatch::Gap::ClockSetForward;
    QTest::newRow("asleep a minute, the clock set two hours on") << 2 * 3600 + 61 << 1 << 61 << AlarmWatch::Gap::ClockSetForward;
    QTest::newRow("stopped, or starved of time") << 80 << 80 << 80 << AlarmWatch::Gap::NotRunning;
}

void TestAlarmWatch::causeOfGap()
{
    QFETCH(int, wall);
    QFETCH(int, awake);
    QFETCH(int, sinceBoot);
    QFETCH(AlarmWatch::Gap, cause);
    const ClockReading before{moment(QStringLiteral("2026-06-15 07:29:59.002")), 4'000'000, 9'000'000};
    const ClockReading after{before.wall.addSecs(wall), before.awakeMSecs + awake * 1000LL,
                             before.sinceBootMSecs + sinceBoot * 1000LL};
    QCOMPARE(AlarmWatch::causeOfGap(before, after), cause);
}

void TestAlarmWatch::occurrence_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QTime>("alarm");
    QTest::addColumn<QString>("expected");

    QTest::newRow("summer") << QDate(2026, 6, 15) << QTime(7, 30) << "2026-06-15 05:30:00.000Z";
    QTest::newRow("winter") << QDate(2026, 1, 15) << QTime(7, 30) << "2026-01-15 06:30:00.000Z";
    QTest::newRow("before the jump") << QDate(2026, 3, 29) << QTime(1, 59, 59) << "2026-03-29 00:59:59.000Z";
    QTest::newRow("in the skipped hour") << QDate(2026, 3, 29) << QTime(2, 30) << "2026-03-29 01:00:00.000Z";
    QTest::newRow("after the jump") << QDate(2026, 3, 29) << QTime(3, 0) << "2026-03-29 01:00:00.000Z";
    QTest::newRow("repeated hour: first reading") << QDate(2026, 10, 25) << QTime(2, 30) << "2026-10-25 00:30:00.000Z";
    QTest::newRow("after the repeated hour") << QDate(2026, 10, 25) << QTime(3, 0) << "2026-10-25 02:00:00.000Z";
}

void TestAlarmWatch::occurrence()
{
    QFETCH(QDate, day);
    QFETCH(QTime, alarm);
    QFETCH(QString, expected);
    QCOMPARE(AlarmWatch(berlin).occurrence(day, alarm).toUTC(), moment(expected).toUTC());
}

void TestAlarmWatch::followsTheZoneGiven()
{
    // Tokyo is seven hours ahead of Berlin in summer: its 07:30 comes at 00:30 in Berlin.
    const QTimeZone tokyo("Asia/Tokyo");
    QVERIFY2(tokyo.isValid(), "this system knows no Asia/Tokyo");
    AlarmWatch watch(tokyo);
    QCOMPARE(watch.occurrence(QDate(2026, 6, 15), QTime(7, 30)).toUTC(), moment(QStringLiteral("2026-06-14 22:30:00.000Z")));
    watch.start(moment(QStringLiteral("2026-06-15 00:29:59.500")));
    QVERIFY(watch.recordTick(moment(QStringLiteral("2026-06-15 00:30:00.002")), QTime(7, 30)).fire);
    QVERIFY(!watch.recordTick(moment(QStringLiteral("2026-06-15 07:30:00.002")), QTime(7, 30)).fire);
}

void TestAlarmWatch::computersZoneChanges()
{
#ifdef Q_OS_WIN
    QSKIP("the Windows C runtime takes no zone from TZ");
#else
    // A journey between two ticks, Berlin to Tokyo: there 20:01 came hours before the last tick.
    const auto restore = qScopeGuard([zone = qgetenv("TZ")] { qputenv("TZ", zone); tzset(); });
    qputenv("TZ", "Europe/Berlin");
    tzset();
    const qint64 at = moment(QStringLiteral("2026-06-15 19:01:35.000")).toMSecsSinceEpoch();
    AlarmWatch watch;
    watch.start(QDateTime::fromMSecsSinceEpoch(at));
    qputenv("TZ", "Asia/Tokyo");
    tzset();
    const AlarmWatch::Tick tick = watch.recordTick(QDateTime::fromMSecsSinceEpoch(at + 1000), QTime(20, 1, 33));
    QVERIFY(!tick.fire && !tick.missed.isValid());
#endif
}

void TestAlarmWatch::nextTick_data()
{
    QTest::addColumn<QString>("now");
    QTest::addColumn<int>("wait"); // ms until the next tick
    // Aimed 2 ms past the next second, so a timer that fires a hair early
    // still lands in the new second.
    QTest::newRow("on the second") << "2026-06-15 07:30:00.000" << 1002;
    QTest::newRow("a tick on time") << "2026-06-15 07:30:00.002" << 1000;
    QTest::newRow("mid-second") << "2026-06-15 07:30:00.300" << 702;
    QTest::newRow("just before the next") << "2026-06-15 07:30:00.999" << 3;
    QTest::newRow("before 1970: no negative remainder") << "1969-12-31 23:59:59.250" << 752;
}

void TestAlarmWatch::nextTick()
{
    QFETCH(QString, now);
    QFETCH(int, wait);
    QCOMPARE(TickSchedule::msecsToNextTick(moment(now)), wait);
}

QTEST_GUILESS_MAIN(TestAlarmWatch)
#include "tst_AlarmWatch.moc"
