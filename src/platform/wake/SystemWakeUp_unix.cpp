// SPDX-License-Identifier: GPL-3.0-or-later
// SystemWakeUp: on Linux a timer on CLOCK_REALTIME_ALARM, held by the helper dorvane-wake.
#include "SystemWakeUp.h"

#include "WakeLog.h"
#include "WakeProtocol.h"

#include <QFileInfo>
#include <QProcess>

#include <deque>

namespace {

/// Where the helper is: beside the program in the build folder, under libexec once installed.
QString findHelper()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString &candidate : {programDir + QStringLiteral("/dorvane-wake"),
                                     programDir + QStringLiteral(DORVANE_WAKE_HELPER)}) {
        if (QFileInfo(candidate).isExecutable())
            return QFileInfo(candidate).canonicalFilePath();
    }
    return QString();
}

} // namespace

struct SystemWakeUp::Private {
    Private(SystemWakeUp *owner, const QString &path)
        : q(owner)
        , helperPath(path)
    {
    }

    ~Private()
    {
        if (helper) {
            // Its timer goes when it ends, and it ends when its input does.
            helper->disconnect();
            helper->closeWriteChannel();
            if (!helper->waitForFinished(2000))
                helper->kill();
        }
    }

    void start();
    /// Lets go of the helper that has ended, or never started; deleted once its signal has been handled.
    void dropHelper()
    {
        helper->disconnect();
        helper.release()->deleteLater();
    }
    void send(const QDateTime &moment);
    void readAnswers();
    void ended(int code, QProcess::ExitStatus status);
    QString textOf(WakeProtocol::Obstacle obstacle) const;
    void update() { q->setObstacle(standing.isEmpty() ? refusal : standing); }

    SystemWakeUp *const q;
    const QString helperPath;
    std::unique_ptr<QProcess> helper;
    bool greeted = false;
    QString standing;                 ///< what keeps any request from being served
    QString refusal;                  ///< why the last request was not
    QDateTime asked;                  ///< the moment that stands, to ask a new helper again
    std::deque<QDateTime> unanswered; ///< the moments of the lines sent and not yet answered; invalid for cancel
};

SystemWakeUp::SystemWakeUp()
    : SystemWakeUp(findHelper())
{
}

SystemWakeUp::SystemWakeUp(const QString &helperPath)
    : d(std::make_unique<Private>(this, helperPath))
{
    d->start();
}

SystemWakeUp::~SystemWakeUp() = default;

void SystemWakeUp::wakeAt(const QDateTime &moment)
{
    d->asked = QDateTime();
    d->refusal.clear();
    if (moment.isValid()) {
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        if (WakeProtocol::requestFor(moment.toSecsSinceEpoch(), now))
            d->asked = moment;
        else if (moment.toSecsSinceEpoch() - now > WakeProtocol::maxAheadSecs)
            d->refusal = tr("the wake-up time %1 is further ahead than Dorvane ever asks").arg(moment.toString(Qt::ISODate));
        else // The computer is awake and will be at the alarm.
            qCDebug(lcWake).noquote() << "no wake-up timer for" << moment.toString(Qt::ISODate) << "(too near to be needed)";
    }
    if (d->helper)
        d->send(d->asked);
    else
        d->start();
    d->update();
}

void SystemWakeUp::Private::start()
{
    if (helperPath.isEmpty()) {
        standing = tr("its helper dorvane-wake, which Dorvane's package installs, is not there");
        update();
        return;
    }
    greeted = false;
    unanswered.clear();
    helper = std::make_unique<QProcess>();
    helper->setProgram(helperPath);
    helper->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QObject::connect(helper.get(), &QProcess::readyReadStandardOutput, helper.get(), [this] { readAnswers(); });
    QObject::connect(helper.get(), &QProcess::errorOccurred, helper.get(), [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        standing = tr("its helper %1 could not be started (%2)").arg(helperPath, helper->errorString());
        dropHelper();
        update();
    });
    QObject::connect(helper.get(), &QProcess::finished, helper.get(), [this](int code, QProcess::ExitStatus status) {
        ended(code, status);
    });
    helper->start(QIODevice::ReadWrite);
    if (helper && asked.isValid())
        send(asked);
}

void SystemWakeUp::Private::send(const QDateTime &moment)
{
    const WakeProtocol::Request request = moment.isValid() ? WakeProtocol::Request{false, moment.toSecsSinceEpoch()}
                                                           : WakeProtocol::Request{true, 0};
    helper->write(QByteArray::fromStdString(WakeProtocol::format(request) + '\n'));
    unanswered.push_back(moment);
}

QString SystemWakeUp::Private::textOf(WakeProtocol::Obstacle obstacle) const
{
    switch (obstacle) {
    case WakeProtocol::Obstacle::NoCapability:
        return tr("its helper %1 does not hold the capability cap_wake_alarm (to give it: sudo setcap cap_wake_alarm=p %1)")
            .arg(helperPath);
    case WakeProtocol::Obstacle::NoNewPrivileges:
        return tr("Dorvane runs with no_new_privs set (in a sandbox, or as a service with NoNewPrivileges=), so the "
                  "system does not grant its helper %1 the capability cap_wake_alarm")
            .arg(helperPath);
    case WakeProtocol::Obstacle::NotAtSeat:
        return tr("only programs in a local session at a seat may wake this computer, and Dorvane runs outside one "
                  "(as from an ssh login, a cron job or a service)");
    }
    return QString();
}

void SystemWakeUp::Private::readAnswers()
{
    while (helper && helper->canReadLine()) {
        const QByteArray line = helper->readLine().chopped(1).left(int(WakeProtocol::maxReasonLength) + 10);
        const auto answer = WakeProtocol::parseAnswer(std::string_view(line.constData(), size_t(line.size())));
        const QDateTime moment = greeted && !unanswered.empty() ? unanswered.front() : QDateTime();
        if (greeted && !unanswered.empty())
            unanswered.pop_front();
        const bool greeting = !std::exchange(greeted, true);
        using Kind = WakeProtocol::Answer::Kind;
        if (!answer) {
            standing = tr("its helper %1 gave an answer Dorvane does not know: %2").arg(helperPath, QString::fromUtf8(line));
        } else if (answer->kind == Kind::Ready) {
            standing.clear();
        } else if (answer->kind == Kind::Cannot) {
            standing = textOf(answer->obstacle);
        } else if (answer->kind == Kind::Done && moment.isValid()) {
            standing.clear();
            qCInfo(lcWake).noquote() << "wake-up timer set for" << moment.toLocalTime().toString(Qt::ISODate);
        } else if (answer->kind == Kind::Failed && !greeting) {
            refusal = tr("its helper %1 says: %2").arg(helperPath, QString::fromStdString(answer->reason));
        } else if (answer->kind == Kind::Refused) {
            refusal = tr("its helper %1 refused the request").arg(helperPath);
        }
    }
    update();
}

void SystemWakeUp::Private::ended(int code, QProcess::ExitStatus status)
{
    readAnswers();
    dropHelper();
    if (status == QProcess::CrashExit)
        standing = tr("its helper %1 was killed by signal %2").arg(helperPath).arg(code);
    else
        standing = tr("its helper %1 ended (exit status %2)").arg(helperPath).arg(code);
    // A helper that worked and was killed (by hand, or for memory) is started
    // again at once: no later request may come before the alarm it held.
    const bool restart = status == QProcess::CrashExit && greeted;
    update();
    if (restart) {
        qCInfo(lcWake).noquote() << "starting the wake helper again";
        start();
    }
}
