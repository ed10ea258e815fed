// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of what the program asks of its wake helper, and what it makes of the answers, with a stand-in helper.
#include "SystemWakeUp.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class TestSystemWakeUp : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void tells_data();
    void tells();
    void startedAgainWhenKilled();

private:
    void answerWith(const QByteArray &greeting, const QByteArray &answer);
    QStringList sent() const;

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestSystemWakeUp::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    qputenv("FAKE_WAKE_LOG", m_folder->filePath(QStringLiteral("sent")).toLocal8Bit());
    qputenv("FAKE_WAKE_PID", m_folder->filePath(QStringLiteral("pid")).toLocal8Bit());
}

void TestSystemWakeUp::answerWith(const QByteArray &greeting, const QByteArray &answer)
{
    qputenv("FAKE_WAKE_GREETING", greeting);
    qputenv("FAKE_WAKE_ANSWER", answer);
}

QStringList TestSystemWakeUp::sent() const
{
    QFile log(m_folder->filePath(QStringLiteral("sent")));
    return log.open(QIODevice::ReadOnly) ? QString::fromLatin1(log.readAll()).split(u'\n', Qt::SkipEmptyParts) : QStringList();
}

void TestSystemWakeUp::tells_data()
{
    QTest::addColumn<bool>("helperThere");
    QTest::addColumn<QByteArray>("greeting");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<qint64>("ahead"); // 0: nothing asked
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("sent"); // "at": the second asked for

    QTest::newRow("set") << true << QByteArray("ready") << QByteArray("ok") << qint64(60) << QString() << "at";
    QTest::newRow("no helper") << false << QByteArray() << QByteArray() << qint64(0)
                               << "its helper dorvane-wake, which Dorvane's package installs, is not there" << QString();
    QTest::newRow("no capability, before anything is asked")
        << true << QByteArray("cannot no-capability") << QByteArray() << qint64(0)
        << "does not hold the capability cap_wake_alarm (to give it: sudo setcap cap_wake_alarm=p " << QString();
    QTest::newRow("started with no_new_privs") << true << QByteArray("cannot no-new-privs") << QByteArray() << qint64(0)
                                               << "Dorvane runs with no_new_privs set" << QString();
    QTest::newRow("outside a session at a seat") << true << QByteArray("cannot not-at-seat") << QByteArray() << qint64(0)
                                                 << "only programs in a local session at a seat" << QString();
    QTest::newRow("too near: withdrawn") << true << QByteArray("ready") << QByteArray("ok") << qint64(4) << QString() << "cancel";
    QTest::newRow("the system refuses") << true << QByteArray("ready") << QByteArray("error cannot set the wake-up timer: Invalid argument")
                                        << qint64(60) << "says: cannot set the wake-up timer: Invalid argument" << "at";
}

void TestSystemWakeUp::tells()
{
    QFETCH(bool, helperThere);
    QFETCH(QByteArray, greeting);
    QFETCH(QByteArray, answer);
    QFETCH(qint64, ahead);
    QFETCH(QString, obstacle);
    QFETCH(QString, sent);
    answerWith(greeting, answer);
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() + ahead);
    if (!obstacle.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Dorvane cannot wake the computer for the alarm: .*"_qs
                                                              + QRegularExpression::escape(obstacle)));
    if (sent == u"at" && obstacle.isEmpty())
        QTest::ignoreMessage(QtInfoMsg, "wake-up timer set for " + moment.toString(u"yyyy-MM-ddTHH:mm:ss").toLatin1());

    SystemWakeUp wakeUp(helperThere ? QStringLiteral(FAKE_WAKE_HELPER) : QString());
    QSignalSpy changes(&wakeUp, &WakeUp::obstacleChanged);
    if (ahead)
        wakeUp.wakeAt(moment);
    if (!sent.isEmpty())
        QTRY_COMPARE(this->sent(), QStringList{sent == u"at" ? QString::number(moment.toSecsSinceEpoch()) : sent});
    QTRY_VERIFY2(obstacle.isEmpty() ? wakeUp.obstacle().isEmpty() : wakeUp.obstacle().contains(obstacle), qPrintable(wakeUp.obstacle()));
    if (!obstacle.isEmpty() && helperThere)
        QVERIFY(changes.count() > 0);
}

void TestSystemWakeUp::startedAgainWhenKilled()
{
    answerWith("ready", "ok");
    SystemWakeUp wakeUp(QStringLiteral(FAKE_WAKE_HELPER));
    QStringList said;
    connect(&wakeUp, &WakeUp::obstacleChanged, this, [&] { said.append(wakeUp.obstacle()); });
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() + 3600);
    const QString line = QString::number(moment.toSecsSinceEpoch());
    wakeUp.wakeAt(moment);
    QTRY_COMPARE(sent(), QStringList{line});

    QFile pidFile(m_folder->filePath(QStringLiteral("pid")));
    QVERIFY(pidFile.open(QIODevice::ReadOnly));
    const QString killed = u"its helper " FAKE_WAKE_HELPER " was killed by signal 9"_qs;
    QTest::ignoreMessage(QtWarningMsg, qPrintable(u"Dorvane cannot wake the computer for the alarm: "_qs + killed));
    QCOMPARE(::kill(pid_t(pidFile.readAll().trimmed().toInt()), SIGKILL), 0);
    // Told, then started again with the request that stood.
    QTRY_COMPARE(sent(), (QStringList{line, line}));
    QTRY_COMPARE(said, (QStringList{killed, QString()}));
}

QTEST_GUILESS_MAIN(TestSystemWakeUp)
#include "tst_SystemWakeUp_unix.moc"
