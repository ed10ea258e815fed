// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the tick without a window: the alarm it plays, what it tells, the wake-up it asks for.
#include "AlarmClock.h"
#include "AlarmTexts.h"
#include "DriveMap.h"
#include "FakeClock.h"
#include "FakeOpener.h"
#include "FakeStayAwake.h"
#include "FakeWakeUp.h"
#include "FullPath.h"
#include "SequentialFiles.h"
#include "TestFiles.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>

class TestAlarmClock : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void tickRearmsJustAfterTheSecond();
    void alarmOpensTargetOnce_data();
    void alarmOpensTargetOnce();
    void newAlarmTimeCountsFromNextTick();
    void wakeUpRequest_data();
    void wakeUpRequest();
    void wakeUpFollowsTheAlarm();
    void missedAlarmIsTold_data();
    void missedAlarmIsTold();
    void awakeUntilTheFileIsHeard_data();
    void awakeUntilTheFileIsHeard();
    void refusalToldForANewChoice_data();
    void refusalToldForANewChoice();

private:
    AlarmClock &startAt(const QDateTime &now, QTime alarm);
    void tickAt(const QString &time, int day = 0);
    QString chooseSong();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SequentialFiles> m_files;
    FakeClock m_clock;
    FakeOpener m_opener;
    std::unique_ptr<FakeWakeUp> m_wakeUp;
    FakeStayAwake m_stayAwake;
    std::unique_ptr<AlarmClock> m_alarm;
    QStringList m_told; ///< each notice the clock's news would make, worded
};

void TestAlarmClock::init()
{
    m_alarm.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_files = std::make_unique<SequentialFiles>(DriveMap(m_dir->path()));
    m_opener = FakeOpener();
    m_wakeUp = std::make_unique<FakeWakeUp>();
    m_stayAwake = FakeStayAwake();
    m_told.clear();
}

AlarmClock &TestAlarmClock::startAt(const QDateTime &now, QTime alarm)
{
    m_clock.set(now);
    m_alarm = std::make_unique<AlarmClock>(AlarmClock::Services{m_clock, m_opener, *m_wakeUp, m_stayAwake, *m_files});
    connect(m_alarm.get(), &AlarmClock::notOpened, this, [this](const NotOpened &n) { m_told.append(AlarmTexts::notOpened(n)); });
    connect(m_alarm.get(), &AlarmClock::missed, this, [this](const Missed &m) { m_told.append(AlarmTexts::missed(m)); });
    m_alarm->start(alarm);
    return *m_alarm;
}

void TestAlarmClock::tickAt(const QString &time, int day)
{
    m_clock.set(QDateTime(QDate(2026, 6, 15).addDays(day), QTime::fromString(time, QStringLiteral("hh:mm:ss.zzz"))));
    QVERIFY(QMetaObject::invokeMethod(m_alarm.get(), "Timer2_Timer"));
}

QString TestAlarmClock::chooseSong()
{
    const QString song = m_dir->filePath(QStringLiteral("song.mp3"));
    TestFiles::write(song, "ID3");
    TestFiles::write(m_dir->filePath(QStringLiteral("alarm_file.txt")), song.toUtf8() + "\r\n");
    return song;
}

void TestAlarmClock::tickRearmsJustAfterTheSecond()
{
    AlarmClock &alarm = startAt(QDateTime(QDate(2026, 6, 15), QTime(18, 45, 58)), QTime(7, 30));
    QDateTime shown;
    connect(&alarm, &AlarmClock::ticked, this, [&](const QDateTime &now) { shown = now; });
    const auto *timer = alarm.findChild<QTimer *>(QStringLiteral("Timer2"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);

    tickAt(QStringLiteral("18:45:59.300"));
    QCOMPARE(shown.time(), QTime(18, 45, 59, 300));
    // Re-armed for just after the next second begins: 700 ms and the margin.
    QVERIFY2(timer->remainingTime() > 650 && timer->remainingTime() <= 702, qPrintable(QString::number(timer->remainingTime())));
    tickAt(QStringLiteral("00:00:00.998"));
    QVERIFY2(timer->remainingTime() <= 4, qPrintable(QString::number(timer->remainingTime())));
}

void TestAlarmClock::alarmOpensTargetOnce_data()
{
    // In the record, @ stands for an existing song, % for a folder, # for a folder
    // that does not exist, ! for a file this user may not read and ^ for a file in
    // a folder this user may not enter; in the notice, @ and # as the system writes them.
    QTest::addColumn<QByteArray>("record"); // "<none>": no record
    QTest::addColumn<int>("desktop");       // the desktop's answer: -1 opened, else an Opener::Failure
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("notice"); // part of the notice, or empty for none

    const int fine = -1;
    QTest::newRow("existing file") << QByteArray("@\r\n") << fine << true << "";
    QTest::newRow("no record") << QByteArray("<none>") << fine << false << "no file has been chosen";
    QTest::newRow("empty record") << QByteArray() << fine << false << "no file has been chosen";
    QTest::newRow("chosen file deleted") << QByteArray("#/gone.mp3\r\n") << fine << false
                                         << "the chosen file #/gone.mp3 cannot be found";
    QTest::newRow("not a full path, though such a file is where the program runs")
        << QByteArray("ERROR\r\n") << fine << false << "ERROR, which is not a full path";
    QTest::newRow("a folder") << QByteArray("%\r\n") << fine << false << "is not a file that can be opened";
    QTest::newRow("record far too long") << QByteArray(100'000, '/') << fine << false << "cannot be read";
    QTest::newRow("markup in a name stays text") << QByteArray("#/<b>loud</b>.mp3\n") << fine << false
                                                 << "#/<b>loud</b>.mp3";
    QTest::newRow("control character in a name, shown") << QByteArray("#/a\x07" "b.mp3\n") << fine << false
                                                        << QStringLiteral("#/a\uFFFDb.mp3");
    QTest::newRow("a file named as a folder") << QByteArray("@/\r\n") << fine << false
                                              << "ends in \u201c/\u201d and so names a folder, but @ is a file";
    // On Windows another computer's file is its share, opened as any path is.
    QTest::newRow("file: address of another computer")
        << QByteArray("file://otherhost/wake.mp3\n") << fine << false
        << (IsFullPath(QStringLiteral("c:\\x")) ? QStringLiteral("\\\\otherhost\\wake.mp3 cannot be found")
                                               : QStringLiteral("the address of a file on another computer"));
    QTest::newRow("a file this user may not read") << QByteArray("!\n") << fine << false
                                                   << "cannot be read: Permission denied.";
    QTest::newRow("a folder this user may not enter") << QByteArray("^\n") << fine << false
                                                      << "cannot be read: you have no permission to open the folder #";
    QTest::newRow("desktop may not read it") << QByteArray("@\r\n") << int(Opener::Failure::NoPermission) << true
                                             << "@ cannot be read: you have no permission to read it";
    QTest::newRow("no application for the type") << QByteArray("@\r\n") << int(Opener::Failure::NoApplication) << true
                                                  << "no application is set up to open that kind of file";
    QTest::newRow("desktop failed") << QByteArray("@\r\n") << int(Opener::Failure::Failed) << true
                                    << "the desktop could not open";
    QTest::newRow("no desktop opener") << QByteArray("@\r\n") << int(Opener::Failure::NoDesktop) << true
                                       << "opener could not be started";
}

void TestAlarmClock::alarmOpensTargetOnce()
{
    QFETCH(QByteArray, record);
    QFETCH(int, desktop);
    QFETCH(bool, opened);
    QFETCH(QString, notice);

    const QString song = m_dir->filePath(QStringLiteral("wake up $(x).mp3"));
    TestFiles::write(song, "ID3");
    // A file literally named ERROR where the program runs must stay unopened.
    TestFiles::write(m_dir->filePath(QStringLiteral("ERROR")), "");
    const QString workingDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    auto restoreWorkingDir = qScopeGuard([&] { QDir::setCurrent(workingDir); });
    const QString nowhere = m_dir->filePath(QStringLiteral("nowhere"));
    const QString secret = m_dir->filePath(QStringLiteral("secret.mp3"));
    const QString inside = nowhere + QStringLiteral("/song.mp3");
    if (record.contains('!') || record.contains('^')) {
        TestFiles::write(secret, "ID3");
        QVERIFY(QDir().mkpath(nowhere));
        TestFiles::write(inside, "ID3");
        if (!TestFiles::restrict(secret, {}, secret)
            || !TestFiles::restrict(nowhere, QFile::ReadOwner | QFile::WriteOwner, inside))
            QSKIP("this user reads every file; as root, ctest runs this again as nobody");
    }
    auto unlock = qScopeGuard([&] { QFile::setPermissions(nowhere, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    if (notice.contains(u'#') || notice.contains(u'@'))
        notice = QDir::toNativeSeparators(notice.replace(u'#', nowhere).replace(u'@', song));
    if (record != "<none>") {
        record.replace('@', song.toUtf8()).replace('%', m_dir->path().toUtf8()).replace('#', nowhere.toUtf8());
        record.replace('!', secret.toUtf8()).replace('^', inside.toUtf8());
        TestFiles::write(m_dir->filePath(QStringLiteral("alarm_file.txt")), record);
    }
    if (desktop >= 0)
        m_opener.failure = Opener::Failure(desktop);
    startAt(QDateTime(QDate(2026, 6, 15), QTime(7, 29, 58, 500)), QTime(7, 30));

    tickAt(QStringLiteral("07:29:59.002"));
    QVERIFY(m_opener.documents.isEmpty());
    tickAt(QStringLiteral("07:30:00.002"));
    tickAt(QStringLiteral("07:30:00.640"));
    tickAt(QStringLiteral("07:30:01.002"));

    QCOMPARE(m_opener.documents, opened ? QStringList{song} : QStringList{});
    QTest::qWait(20); // the desktop answers from the event loop
    if (notice.isEmpty()) {
        QCOMPARE(m_told, QStringList());
    } else {
        QCOMPARE(m_told.size(), 1);
        QVERIFY2(m_told.first().startsWith(QStringLiteral("At 07:30:00 AM on Monday, 15 June, the alarm time,")), qPrintable(m_told.first()));
        QVERIFY2(m_told.first().contains(notice), qPrintable(m_told.first()));
    }
}

void TestAlarmClock::newAlarmTimeCountsFromNextTick()
{
    const QString song = chooseSong();
    AlarmClock &alarm = startAt(QDateTime(QDate(2026, 6, 15), QTime(7, 29, 58, 500)), QTime(7, 30));
    tickAt(QStringLiteral("07:29:59.002"));
    alarm.setAlarmTime(QTime(7, 31));
    tickAt(QStringLiteral("07:30:00.002"));
    QVERIFY(m_opener.documents.isEmpty());
    tickAt(QStringLiteral("07:31:00.002"));
    QCOMPARE(m_opener.documents, QStringList{song});
}

void TestAlarmClock::wakeUpRequest_data()
{
    QTest::addColumn<QString>("now");
    QTest::addColumn<QTime>("alarm");
    QTest::addColumn<QString>("wake"); // the local time asked for

    QTest::newRow("later today") << "2026-06-15 21:04:05" << QTime(22, 0) << "2026-06-15 21:59:00";
    QTest::newRow("tomorrow") << "2026-06-15 21:04:05" << QTime(7, 30) << "2026-06-16 07:29:00";
    QTest::newRow("too soon for the lead: at the alarm") << "2026-06-15 21:04:05" << QTime(21, 4, 50) << "2026-06-15 21:04:50";
    // Where the tests' zone is Berlin's: 02:30 does not exist on 29 March, the alarm comes at 03:00 CEST.
    if (QTimeZone::systemTimeZone().id() == "Europe/Berlin")
        QTest::newRow("daylight saving skips the alarm") << "2026-03-28 22:00:00" << QTime(2, 30) << "2026-03-29 01:59:00";
}

void TestAlarmClock::wakeUpRequest()
{
    QFETCH(QString, now);
    QFETCH(QTime, alarm);
    QFETCH(QString, wake);
    chooseSong();
    const QString format = QStringLiteral("yyyy-MM-dd hh:mm:ss");
    startAt(QDateTime::fromString(now, format), alarm);
    QCOMPARE(m_wakeUp->requests, QList<QDateTime>{QDateTime::fromString(wake, format)});
}

void TestAlarmClock::wakeUpFollowsTheAlarm()
{
    AlarmClock &alarm = startAt(QDateTime(QDate(2026, 6, 15), QTime(7, 0)), QTime(7, 30));
    // Nothing to wake for until a file is chosen.
    QVERIFY(m_wakeUp->requests.isEmpty());
    chooseSong();
    alarm.recheckRecord();
    alarm.setAlarmTime(QTime(7, 31));
    // Ticks ask nothing of the system until the alarm fires.
    tickAt(QStringLiteral("07:30:59.002"));
    tickAt(QStringLiteral("07:31:00.002"));
    QCOMPARE(m_opener.documents.size(), 1);
    m_alarm.reset();
    QCOMPARE(m_wakeUp->requests, (QList<QDateTime>{QDateTime(QDate(2026, 6, 15), QTime(7, 29)),
                                                   QDateTime(QDate(2026, 6, 15), QTime(7, 30)),
                                                   QDateTime(QDate(2026, 6, 16), QTime(7, 30)), QDateTime()}));
}

void TestAlarmClock::missedAlarmIsTold_data()
{
    // The computer sleeps across the alarm; the clock set forward and Dorvane stopped are seen end to end.
    QTest::addColumn<int>("seconds");
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<QString>("refusal"); // why the system would not wake the computer
    QTest::addColumn<QString>("told");    // part of the notice

    const QString off = QStringLiteral("waking the computer is turned off with DORVANE_WAKE=off");
    QTest::newRow("waking turned off") << 62 << true << off
                                       << "15 June was missed and is not played late: the computer was asleep. "
                                          "Dorvane could not wake it: " + off + ".";
    QTest::newRow("asked to wake") << 62 << true << "" << "asleep. Dorvane had asked the system to wake it at 07:29:00 AM.";
    QTest::newRow("no file chosen") << 62 << false << "" << "asleep. Dorvane does not wake the computer while no file is chosen.";
    QTest::newRow("past midnight: the day named") << 60'000 << true << "" << "07:30:00 AM on Monday, 15 June was";
    QTest::newRow("over three alarms: counted, the first and last named")
        << 50 * 3600 << true << "" << "The 3 alarms from 07:30:00 AM on Monday, 15 June to 07:30:00 AM on Wednesday, 17 June were missed";
}

void TestAlarmClock::missedAlarmIsTold()
{
    QFETCH(int, seconds);
    QFETCH(bool, chosen);
    QFETCH(QString, refusal);
    QFETCH(QString, told);
    if (chosen)
        chooseSong();
    m_wakeUp->refusal = refusal;
    startAt(QDateTime(QDate(2026, 6, 15), QTime(7, 28)), QTime(7, 30));
    tickAt(QStringLiteral("07:29:59.002"));
    m_clock.sleepMSecs(seconds * 1000LL);
    QVERIFY(QMetaObject::invokeMethod(m_alarm.get(), "Timer2_Timer"));

    QVERIFY(m_opener.documents.isEmpty());
    QCOMPARE(m_told.size(), 1);
    QVERIFY2(m_told.first().contains(told), qPrintable(m_told.first()));
}

void TestAlarmClock::awakeUntilTheFileIsHeard_data()
{
    QTest::addColumn<QString>("record");   // "song", "gone" (a file that is not there) or "none"
    QTest::addColumn<int>("desktop");      // the desktop's answer: -1 opened, else an Opener::Failure
    // Held (H) or not (-) at 07:28:00, at 07:28:50, at the 07:30 alarm, once the desktop answered,
    // at 07:31:59 and at 07:32:01.
    QTest::addColumn<QString>("held");

    QTest::newRow("opened: held until two minutes after") << "song" << -1 << "-HHHH-";
    QTest::newRow("the desktop fails: let go at its answer") << "song" << int(Opener::Failure::NoApplication) << "-HH---";
    QTest::newRow("the file is gone: let go at the alarm") << "gone" << -1 << "-H----";
    QTest::newRow("no file chosen: never held") << "none" << -1 << "------";
}

void TestAlarmClock::awakeUntilTheFileIsHeard()
{
    QFETCH(QString, record);
    QFETCH(int, desktop);
    QFETCH(QString, held);
    if (record != u"none") {
        chooseSong();
        if (record == u"gone")
            QVERIFY(QFile::remove(m_dir->filePath(QStringLiteral("song.mp3"))));
    }
    if (desktop >= 0)
        m_opener.failure = Opener::Failure(desktop);
    startAt(QDateTime(QDate(2026, 6, 15), QTime(7, 27, 59, 500)), QTime(7, 30));
    QString seen;
    const auto note = [&] { seen += m_stayAwake.held ? u'H' : u'-'; };
    tickAt(QStringLiteral("07:28:00.002"));
    note();
    tickAt(QStringLiteral("07:28:50.002"));
    note();
    tickAt(QStringLiteral("07:30:00.002"));
    note();
    QTest::qWait(20); // the desktop answers from the event loop
    note();
    tickAt(QStringLiteral("07:31:59.002"));
    note();
    tickAt(QStringLiteral("07:32:01.002"));
    note();
    QCOMPARE(seen, held);
    // Held once at most; and never left held when the clock goes.
    QCOMPARE(m_stayAwake.holds, held.contains(u'H') ? 1 : 0);
    tickAt(QStringLiteral("07:29:00.002"), 1);
    m_alarm.reset();
    QVERIFY(!m_stayAwake.held);
}

void TestAlarmClock::refusalToldForANewChoice_data()
{
    QTest::addColumn<QString>("before");  // the record at start: "none" or "song"
    QTest::addColumn<QString>("refusal"); // "at once", "late" (2 s after the choice), "too late" (11 s after)
    QTest::addColumn<bool>("told");

    QTest::newRow("refused at once") << "none" << "at once" << true;
    QTest::newRow("refused by a late answer") << "none" << "late" << true;
    QTest::newRow("an answer long after the choice is no news of it") << "none" << "too late" << false;
    QTest::newRow("the same file kept: no choice") << "song" << "at once" << false;
}

void TestAlarmClock::refusalToldForANewChoice()
{
    QFETCH(QString, before);
    QFETCH(QString, refusal);
    QFETCH(bool, told);
    if (before == u"song")
        chooseSong();
    const QString why = QStringLiteral("its helper is not there");
    if (refusal == u"at once")
        m_wakeUp->refusal = why;
    AlarmClock &alarm = startAt(QDateTime(QDate(2026, 6, 15), QTime(21, 0)), QTime(7, 30));
    QStringList notices;
    connect(&alarm, &AlarmClock::willNotWake, this, [&](const WakePlan &plan) { notices.append(AlarmTexts::willNotWake(plan)); });
    chooseSong();
    alarm.recheckRecord();
    if (refusal != u"at once") {
        m_clock.advanceMSecs(refusal == u"late" ? 2000 : 11'000);
        m_wakeUp->answer(why);
    }
    QCOMPARE(alarm.wakePlan().state, WakePlan::State::Refused);
    QCOMPARE(notices.size(), told ? 1 : 0);
    if (told)
        QVERIFY2(notices.first().contains(why), qPrintable(notices.first()));
}

QTEST_GUILESS_MAIN(TestAlarmClock)
#include "tst_AlarmClock.moc"
