// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the logind inhibitor that holds the computer awake, against python-dbusmock's logind on a private bus.
#include "SystemStayAwake.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

/// The Python that has dbusmock: Debian's own, whatever python3 is first on the PATH.
const QString python = QStringLiteral("/usr/bin/python3");

QStringList messages; ///< what the wake-up's logging category said
QtMessageHandler testLibHandler = nullptr;

void recordWakeMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (context.category && QByteArray(context.category) == "dorvane.wake")
        messages.append(message);
    testLibHandler(type, context, message);
}

/// A dbus-daemon of the test's own, with python-dbusmock's logind on it when asked.
class PrivateBus
{
public:
    ~PrivateBus()
    {
        for (QProcess *process : {&m_mock, &m_daemon}) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }

    /// Starts the bus; its address, or empty where dbus-daemon cannot be started.
    QString start()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                                                       u"--address=unix:path="_qs + m_folder.filePath(QStringLiteral("bus"))});
        if (!m_daemon.waitForStarted(5000))
            return {};
        for (int waits = 0; !m_daemon.canReadLine() && waits < 100 && m_daemon.waitForReadyRead(100); ++waits) {
        }
        return QString::fromUtf8(m_daemon.readLine().trimmed());
    }

    /// Starts the mock logind on the bus at @p address; false where it cannot be started.
    bool startLogind(const QString &address)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), address);
        m_mock.setProcessEnvironment(environment);
        m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_mock.setStandardOutputFile(QProcess::nullDevice());
        m_mock.start(python, {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--template"), QStringLiteral("logind")});
        return m_mock.waitForStarted(5000);
    }

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QProcess m_mock;
};

/// What logind holds: what, who, why and mode of each inhibitor.
QList<QStringList> inhibitors(QDBusConnection &bus)
{
    const QDBusMessage reply = bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                                                                       QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("ListInhibitors")));
    QList<QStringList> held;
    if (reply.type() != QDBusMessage::ReplyMessage)
        return {{reply.errorMessage()}};
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
    PrivateBus m_bus;
    QDBusConnection m_connection = QDBusConnection(QString());
};

void TestSystemStayAwake::initTestCase()
{
    testLibHandler = qInstallMessageHandler(recordWakeMessages);
    const QString address = m_bus.start();
    if (address.isEmpty() || !QFileInfo(python).isExecutable())
        QSKIP("no dbus-daemon or no /usr/bin/python3: install dbus and python3-dbusmock");
    if (!m_bus.startLogind(address))
        QSKIP("python3-dbusmock's logind cannot be started: install python3-dbusmock");
    m_connection = QDBusConnection::connectToBus(address, QStringLiteral("private"));
    QVERIFY(m_connection.isConnected());
    QTRY_VERIFY_WITH_TIMEOUT(m_connection.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.login1")), 30000);
}

void TestSystemStayAwake::init()
{
    messages.clear();
}

void TestSystemStayAwake::cleanupTestCase()
{
    qInstallMessageHandler(testLibHandler);
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
            stayAwake->hold(QStringLiteral("the alarm at 07:30 opens its file"));
        else if (step == u"answered")
            QTRY_VERIFY(messages.contains(QStringLiteral("holding the computer awake")));
        else if (step == u"release")
            stayAwake->release();
        else if (step == u"end")
            stayAwake.reset();
        else if (step == u"started")
            started.start(QStringLiteral("sleep"), {QStringLiteral("60")});
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
    PrivateBus bare;
    const QString address = bus ? bare.start() : QStringLiteral("unix:path=/nonexistent/bus");
    QVERIFY(!address.isEmpty());
    QDBusConnection connection = QDBusConnection::connectToBus(address, u"bare"_qs + QString::number(bus));
    {
        SystemStayAwake stayAwake(connection);
        for (int round = 0; round < 2; ++round) {
            stayAwake.hold(QStringLiteral("the alarm"));
            // A call of the test's own behind the hold: its answer is in once this one's is.
            connection.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                                           QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId")));
            QTest::qWait(100);
            stayAwake.release();
        }
    }
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().startsWith(u"nothing keeps the computer awake at the alarm: no systemd-logind to ask"), qPrintable(messages.first()));
    QDBusConnection::disconnectFromBus(u"bare"_qs + QString::number(bus));
}

QTEST_GUILESS_MAIN(TestSystemStayAwake)
#include "tst_SystemStayAwake_unix.moc"
