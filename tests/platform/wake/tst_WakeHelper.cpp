// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the wake helper: what it accepts, whom it serves, and what an account gains by running it.
#include "WakeProtocol.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

/// A copy of a helper build where nobody may run it, given cap_wake_alarm, as the package gives it.
struct HelperCopy {
    explicit HelperCopy(const QString &built, bool capability)
    {
        path = folder.filePath("dorvane-wake");
        QFile::copy(built, path);
        QFile(folder.path()).setPermissions(QFile::permissions(built) | QFile::ReadOther | QFile::ExeOther);
        if (capability)
            given = QProcess::execute("setcap", {"cap_wake_alarm=p", path}) == 0;
    }
    QTemporaryDir folder;
    QString path;
    bool given = false;
};

/// The line of /proc/<pid>/status that starts with @p key, without it.
QByteArray statusOf(qint64 pid, const QByteArray &key)
{
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed();
    }
    return {};
}

/// Seconds left on each alarm-clock timer process @p pid holds.
QList<qint64> alarmTimers(qint64 pid)
{
    QList<qint64> timers;
    const QDir fdinfo(QString("/proc/%1/fdinfo").arg(pid));
    for (const QString &name : fdinfo.entryList(QDir::Files)) {
        QFile info(fdinfo.filePath(name));
        if (!info.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = info.readAll();
        const qsizetype value = text.indexOf("it_value: (");
        if (text.contains("clockid: 8\n") && value >= 0)
            timers.append(text.mid(value + 11, text.indexOf(',', value) - value - 11).toLongLong());
    }
    return timers;
}

/// The helper, started as nobody (or as root) from root, and the pid of the helper itself.
struct RunningHelper {
    RunningHelper(const QString &path, bool asRoot, bool noNewPrivileges, const QString &testRoot = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!testRoot.isEmpty())
            environment.insert("DORVANE_WAKE_TEST_ROOT", testRoot);
        process.setProcessEnvironment(environment);
        QStringList arguments;
        if (noNewPrivileges)
            arguments << "setpriv" << "--no-new-privs";
        arguments << path;
        if (asRoot)
            process.start(arguments.takeFirst(), arguments);
        else
            process.start("runuser", QStringList{"-u", "nobody", "--"} + arguments);
    }

    ~RunningHelper()
    {
        process.closeWriteChannel();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished();
    }

    /// The next line it says, without its line feed.
    QByteArray readLine()
    {
        for (int waits = 0; !process.canReadLine() && waits < 100 && process.waitForReadyRead(100); ++waits) {
        }
        QByteArray line = process.readLine();
        line.chop(line.endsWith('\n') ? 1 : 0);
        return line;
    }

    /// The helper's own pid: runuser waits for it as its parent.
    qint64 helperPid()
    {
        if (process.program() != "runuser")
            return process.processId();
        QFile children(QString("/proc/%1/task/%1/children").arg(process.processId()));
        return children.open(QIODevice::ReadOnly) ? children.readAll().trimmed().toLongLong() : 0;
    }

    QByteArray ask(qint64 aheadSecs)
    {
        process.write(QByteArray::number(QDateTime::currentSecsSinceEpoch() + aheadSecs) + '\n');
        return readLine();
    }

    QProcess process;
};

} // namespace

class TestWakeHelper : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void programAsksOnlyWhatTheHelperTakes_data();
    void programAsksOnlyWhatTheHelperTakes();
    void endsAtWhatItRefuses();
    void restsWithoutPower();
    void servesOnly_data();
    void servesOnly();
};

void TestWakeHelper::parse_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<qint64>("at"); // -1: refused; 0: cancel

    const qint64 now = 1'800'000'000;
    QTest::newRow("cancel") << QByteArray("cancel") << qint64(0);
    QTest::newRow("five seconds ahead") << QByteArray::number(now + 5) << now + 5;
    QTest::newRow("four seconds ahead") << QByteArray::number(now + 4) << qint64(-1);
    QTest::newRow("a second ago") << QByteArray::number(now - 1) << qint64(-1);
    QTest::newRow("a day and an hour ahead") << QByteArray::number(now + 25 * 3600) << now + 25 * 3600;
    QTest::newRow("a day, an hour and a second ahead") << QByteArray::number(now + 25 * 3600 + 1) << qint64(-1);
    QTest::newRow("empty") << QByteArray() << qint64(-1);
    QTest::newRow("a sign, or any other character") << "+" + QByteArray::number(now + 60) << qint64(-1);
    QTest::newRow("twelve digits") << QByteArray("001800000060") << qint64(-1);
}

void TestWakeHelper::parse()
{
    QFETCH(QByteArray, line);
    QFETCH(qint64, at);
    const auto request = WakeProtocol::parseRequest(std::string_view(line.constData(), size_t(line.size())), 1'800'000'000);
    QCOMPARE(request ? qint64(request->at) : -1, at);
    QCOMPARE(request && request->cancel, at == 0);
}

void TestWakeHelper::programAsksOnlyWhatTheHelperTakes_data()
{
    QTest::addColumn<qint64>("ahead");
    QTest::addColumn<bool>("asked");

    QTest::newRow("six seconds: the computer is awake") << qint64(6) << false;
    QTest::newRow("seven seconds") << qint64(7) << true;
    QTest::newRow("a day and an hour") << qint64(25 * 3600) << true;
    QTest::newRow("a second more") << qint64(25 * 3600 + 1) << false;
}

void TestWakeHelper::programAsksOnlyWhatTheHelperTakes()
{
    QFETCH(qint64, ahead);
    QFETCH(bool, asked);
    const qint64 now = 1'800'000'000;
    const auto request = WakeProtocol::requestFor(now + ahead, now);
    QCOMPARE(bool(request), asked);
    if (request) {
        // However long the line takes to arrive, up to the time the program leaves for it.
        const std::string line = WakeProtocol::format(*request);
        QVERIFY(WakeProtocol::parseRequest(line, now + WakeProtocol::transitSecs));
    }
}

void TestWakeHelper::endsAtWhatItRefuses()
{
    // A line longer than any it takes, with or without the capability.
    QProcess helper;
    helper.start(QStringLiteral(DORVANE_WAKE_HELPER_PATH));
    QVERIFY(helper.waitForStarted(5000));
    helper.write(QByteArray(100, '1') + '\n');
    QVERIFY(helper.waitForFinished(5000));
    QVERIFY(helper.readAll().endsWith("\nrefused\n"));
    QCOMPARE(helper.exitCode(), 2);
}

void TestWakeHelper::restsWithoutPower()
{
    if (geteuid() != 0)
        QSKIP("only root can give a copy of the helper its capability and run it as another user");
    // The helper as installed, with no seam, as nobody.
    HelperCopy copy(QStringLiteral(DORVANE_WAKE_HELPER_PATH), true);
    QVERIFY2(copy.given, "setcap (libcap2-bin) could not give the copy its capability");
    RunningHelper helper(copy.path, false, false);
    const QByteArray greeting = helper.readLine();
    QVERIFY2(!greeting.isEmpty(), helper.process.readAllStandardError().constData());
    const qint64 pid = helper.helperPid();
    const QByteArray permitted = statusOf(pid, "CapPrm"), effective = statusOf(pid, "CapEff");
    qInfo("%s: CapPrm %s CapEff %s", greeting.constData(), permitted.constData(), effective.constData());
    QCOMPARE(permitted.toULongLong(nullptr, 16), 1ULL << 35); // CAP_WAKE_ALARM alone
    QCOMPARE(effective, QByteArray("0000000000000000"));
    QCOMPARE(helper.ask(1), QByteArray("refused"));
    QVERIFY(helper.process.waitForFinished(5000));
    QCOMPARE(helper.process.exitCode(), 2);
}

void TestWakeHelper::servesOnly_data()
{
    QTest::addColumn<bool>("asRoot");
    QTest::addColumn<bool>("capability");
    QTest::addColumn<bool>("noNewPrivileges");
    QTest::addColumn<bool>("logind");
    QTest::addColumn<QByteArray>("cgroup");  // /proc/self/cgroup
    QTest::addColumn<QByteArray>("session"); // /run/systemd/sessions/7
    QTest::addColumn<QByteArray>("user");    // /run/systemd/users/65534
    QTest::addColumn<qint64>("ahead");
    QTest::addColumn<QByteArray>("answer");

    const QByteArray user = "0::/user.slice/user-65534.slice/";
    const QByteArray atSeat = "UID=65534\nSEAT=seat0\nREMOTE=0\nSTATE=active\n";
    const QByteArray seatUser = "ONLINE_SESSIONS=7\nONLINE_SEATS=seat0\n";
    QTest::newRow("without logind") << false << true << false << false
        << QByteArray("0::/\n") << QByteArray() << QByteArray() << qint64(60) << QByteArray("ok");
    QTest::newRow("local session at a seat") << false << true << false << true
        << user + "session-7.scope\n" << atSeat << seatUser << qint64(60) << QByteArray("ok");
    QTest::newRow("an app under the user manager of a user at a seat") << false << true << false << true
        << user + "user@65534.service/app.slice/app-dorvane.scope\n" << QByteArray() << seatUser << qint64(60) << QByteArray("ok");
    QTest::newRow("root in a service") << true << false << false << true
        << QByteArray("0::/system.slice/cron.service\n") << QByteArray() << QByteArray() << qint64(60) << QByteArray("ok");
    QTest::newRow("ssh login") << false << true << false << true
        << user + "session-7.scope\n" << QByteArray("UID=65534\nREMOTE=1\nSTATE=active\n") << seatUser << qint64(60) << QByteArray("cannot not-at-seat");
    QTest::newRow("another user's session") << false << true << false << true
        << user + "session-7.scope\n" << QByteArray("UID=1000\nSEAT=seat0\nREMOTE=0\n") << seatUser << qint64(60) << QByteArray("cannot not-at-seat");
    QTest::newRow("the user manager of a user at no seat") << false << true << false << true
        << user + "user@65534.service/app.slice/app-dorvane.scope\n" << QByteArray() << QByteArray("ONLINE_SEATS=\n") << qint64(60) << QByteArray("cannot not-at-seat");
    QTest::newRow("a session scope made under the user manager") << false << true << false << true
        << user + "user@65534.service/session-7.scope\n" << atSeat << QByteArray("ONLINE_SEATS=\n") << qint64(60) << QByteArray("cannot not-at-seat");
    QTest::newRow("a service, with logind") << false << true << false << true
        << QByteArray("0::/system.slice/cron.service\n") << QByteArray() << QByteArray() << qint64(60) << QByteArray("cannot not-at-seat");
    QTest::newRow("no capability") << false << false << false << false
        << QByteArray("0::/\n") << QByteArray() << QByteArray() << qint64(60) << QByteArray("cannot no-capability");
    QTest::newRow("started with no_new_privs") << false << true << true << false
        << QByteArray("0::/\n") << QByteArray() << QByteArray() << qint64(60) << QByteArray("cannot no-new-privs");
}

void TestWakeHelper::servesOnly()
{
    QFETCH(bool, asRoot);
    QFETCH(bool, capability);
    QFETCH(bool, noNewPrivileges);
    QFETCH(bool, logind);
    QFETCH(QByteArray, cgroup);
    QFETCH(QByteArray, session);
    QFETCH(QByteArray, user);
    QFETCH(qint64, ahead);
    QFETCH(QByteArray, answer);
    if (geteuid() != 0)
        QSKIP("only root can give a copy of the helper its capability and run it as another user");

    // The system's state as the helper's seam reads it.
    QTemporaryDir system;
    const auto put = [&](const QString &path, const QByteArray &content) {
        QDir().mkpath(QFileInfo(system.filePath(path)).path());
        QFile file(system.filePath(path));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    put("proc/self/cgroup", cgroup);
    if (logind)
        put("run/systemd/seats/seat0", "IS_SEAT0=1\n");
    if (!session.isEmpty())
        put("run/systemd/sessions/7", session);
    if (!user.isEmpty())
        put("run/systemd/users/65534", user);
    QProcess::execute("chmod", {"-R", "a+rX", system.path()});

    HelperCopy copy(QStringLiteral(DORVANE_WAKE_TESTABLE_PATH), capability);
    QVERIFY2(copy.given || !capability, "setcap (libcap2-bin) could not give the copy its capability");
    RunningHelper helper(copy.path, asRoot, noNewPrivileges, system.path());
    const QByteArray greeting = helper.readLine();
    QCOMPARE(greeting, answer.startsWith("cannot") ? answer : QByteArray("ready"));
    const qint64 pid = helper.helperPid();
    QCOMPARE(helper.ask(ahead), answer);
    const QList<qint64> timers = alarmTimers(pid);
    if (answer == "ok") {
        QCOMPARE(timers.size(), 1);
        QVERIFY2(timers.first() > ahead - 5 && timers.first() <= ahead, qPrintable(QString::number(timers.first())));
        if (!asRoot)
            QCOMPARE(statusOf(pid, "CapEff"), QByteArray("0000000000000000"));
    } else {
        QVERIFY(timers.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestWakeHelper)
#include "tst_WakeHelper.moc"
