// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the logind inhibitor that holds the computer awake, against python-dbusmock's logind on a private bus.
#include "SystemStayAwake.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList messages; ///< what the wake-up's logging category said
QtMessageHandler testLibHandler = nullptr;

void recordWakeMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (context.category && QByteArray(context.category) == "dorvane.wake")
        messages.append(message);
    testLibHandler(type, context, message);
}

/// A dbus-daemon of the test's own; its address, or empty where it cannot be started.
QString startBus(QProcess &daemon, const QTemporaryDir &folder)
{
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1", "--address=unix:path=" + folder.filePath("bus")});
    for (int waits = 0; !daemon.canReadLine() && waits < 100 && daemon.waitForReadyRead(100); ++waits) {
    }
    return QString::fromUtf8(daemon.readLine().trimmed());
}

QDBusMessage callLogind(const QString &method)
{
    return QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager", method);
}

/// What logind holds: what, who, why and mode of each inhibitor.
QList<QStringList> inhibitors(QDBusConnection &bus)
{
    const QDBusMessage reply = bus.call(callLogind("ListInhibitors"));
    if (reply.type() != QDBusMessage::ReplyMessage)
        return {{reply.errorMessage()}};
    QList<QStringList> held;
    const QDBusArgument list = reply.arguments().value(0).value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QString what, who, why, mode;
        uint uid = 0, pid = 0;
        list.beginStructure();
        list >> what >> who >> why >> mode >> uid >> pid;
        list.endStructure();
        held.append({what, who, why, mode});
    }
    list.endArray();
    return held;
}

} // namespace

class TestSystemStayAwake : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void holds_data();
    void holds();
    void noLogind_data();
    void noLogind();

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QProcess m_logind;
    QDBusConnection m_connection = QDBusConnection(QString());
};

void TestSystemStayAwake::initTestCase()
{
    testLibHandler = qInstallMessageHandler(recordWakeMessages);
    const QString address = startBus(m_daemon, m_folder);
    if (address.isEmpty())
        QSKIP("dbus-daemon cannot be started: install dbus");
    // Debian's own Python has dbusmock, whatever python3 is first on the PATH.
    m_logind.setStandardOutputFile(QProcess::nullDevice());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SYSTEM_BUS_ADDRESS", address);
    m_logind.setProcessEnvironment(environment);
    m_logind.start("/usr/bin/python3", {"-m", "dbusmock", "--template", "logind"});
    if (!m_logind.waitForStarted(5000) || m_logind.waitForFinished(1000))
        QSKIP("python-dbusmock's logind cannot be started: install python3-dbusmock");
    m_connection = QDBusConnection::connectToBus(address, "private");
    QTRY_VERIFY_WITH_TIMEOUT(m_connection.interface()->isServiceRegistered("org.freedesktop.login1"), 30000);
}

void TestSystemStayAwake::init()
{
    messages.clear();
}

void TestSystemStayAwake::cleanupTestCase()
{
    qInstallMessageHandler(testLibHandler);
    for (QProcess *process : {&m_logind, &m_daemon}) {
        process->terminate();
        process->waitForFinished(5000);
    }
}

void TestSystemStayAwake::holds_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("held");

    // "answered": once logind's answer is in; "started": a program started meanwhile runs on.
    QTest::newRow("held") << QStringList{"hold"} << 1;
    QTest::newRow("held twice") << QStringList{"hold", "hold", "answered", "hold"} << 1;
    QTest::newRow("released") << QStringList{"hold", "answered", "release"} << 0;
    QTest::newRow("released before logind answered") << QStringList{"hold", "release"} << 0;
    QTest::newRow("held again before logind answered") << QStringList{"hold", "release", "hold"} << 1;
    QTest::newRow("ended") << QStringList{"hold", "answered", "end"} << 0;
    QTest::newRow("ended before logind answered") << QStringList{"hold", "end"} << 0;
    QTest::newRow("released while a program it started runs") << QStringList{"hold", "answered", "started", "release"} << 0;
}

void TestSystemStayAwake::holds()
{
    QFETCH(QStringList, steps);
    QFETCH(int, held);
    QCOMPARE(inhibitors(m_connection), QList<QStringList>());

    auto stayAwake = std::make_unique<SystemStayAwake>(m_connection);
    QProcess started;
    for (const QString &step : steps) {
        if (step == u"hold")
            stayAwake->hold("the alarm at 07:30 opens its file");
        else if (step == u"answered")
            QTRY_VERIFY(messages.contains("holding the computer awake"));
        else if (step == u"release")
            stayAwake->release();
        else if (step == u"end")
            stayAwake.reset();
        else if (step == u"started")
            started.start("sleep", {"60"});
    }
    // Calls on one connection arrive in order: logind has taken every request
    // by now, so an inhibitor let go late is seen going.
    const QList<QStringList> expected(held, {"sleep:idle:handle-lid-switch", "Dorvane", "the alarm at 07:30 opens its file", "block"});
    QTRY_COMPARE(inhibitors(m_connection), expected);
    QTest::qWait(200);
    QCOMPARE(inhibitors(m_connection), expected);

    stayAwake.reset();
    started.kill();
    started.waitForFinished();
    QTRY_COMPARE(inhibitors(m_connection), QList<QStringList>());
}

void TestSystemStayAwake::noLogind_data()
{
    QTest::addColumn<bool>("bus");

    QTest::newRow("no bus") << false;
    QTest::newRow("a bus without logind") << true;
}

void TestSystemStayAwake::noLogind()
{
    QFETCH(bool, bus);
    QTemporaryDir folder;
    QProcess daemon;
    const QString address = bus ? startBus(daemon, folder) : "unix:path=/nonexistent/bus";
    QDBusConnection connection = QDBusConnection::connectToBus(address, "bare" + QString::number(bus));
    {
        SystemStayAwake stayAwake(connection);
        for (int round = 0; round < 2; ++round) {
            stayAwake.hold("the alarm");
            // Behind the hold on the same connection: its answer is in once this one's is.
            connection.call(QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "GetId"));
            QTest::qWait(100);
            stayAwake.release();
        }
    }
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().startsWith("nothing keeps the computer awake at the alarm: no systemd-logind to ask"), qPrintable(messages.first()));
    QDBusConnection::disconnectFromBus("bare" + QString::number(bus));
    daemon.terminate();
    daemon.waitForFinished(5000);
}

QTEST_GUILESS_MAIN(TestSystemStayAwake)
#include "tst_SystemStayAwake_unix.moc"
