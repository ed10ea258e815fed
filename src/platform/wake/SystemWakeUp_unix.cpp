// SPDX-License-Identifier: GPL-3.0-or-later
// SystemWakeUp: on Linux a timer on CLOCK_REALTIME_ALARM, the program's own or its helper's.
#include "SystemWakeUp.h"

#include "WakeLog.h"

#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <utility>
#include <sys/timerfd.h>
#include <unistd.h>

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
    explicit Private(SystemWakeUp *owner)
        : q(owner)
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
        if (timer >= 0)
            close(timer);
    }

    void setObstacle(const QString &text)
    {
        if (text != obstacle && !text.isEmpty())
            qCWarning(lcWake).noquote() << "Dorvane cannot wake the computer for the alarm:" << text;
        if (std::exchange(obstacle, text) != text)
            emit q->obstacleChanged();
    }

    void startHelper();
    void readAnswers();

    SystemWakeUp *const q;
    QString obstacle;
    bool ownAllowed = true; ///< until the system refuses the program a timer of its own
    int timer = -1;         ///< the program's own timer, while a request stands
    QString ownError;
    std::unique_ptr<QProcess> helper;
    QString helperPath;
    bool helperAnswered = false;
    bool helperGone = false;
};

SystemWakeUp::SystemWakeUp()
    : d(std::make_unique<Private>(this))
{
}

SystemWakeUp::~SystemWakeUp() = default;

QString SystemWakeUp::obstacle() const
{
    return d->obstacle;
}

void SystemWakeUp::wakeAt(const QDateTime &moment)
{
    if (d->ownAllowed && moment.isValid() && d->timer < 0) {
        d->timer = timerfd_create(CLOCK_REALTIME_ALARM, TFD_CLOEXEC);
        d->ownAllowed = d->timer >= 0;
        if (!d->ownAllowed)
            d->ownError = qt_error_string(errno);
    }
    if (d->ownAllowed) {
        // A timer disarmed by the kernel still shows its old time in /proc,
        // so a withdrawn request closes it, and the next makes a new one.
        if (!moment.isValid()) {
            if (d->timer >= 0)
                close(d->timer);
            d->timer = -1;
            d->setObstacle(QString());
            return;
        }
        itimerspec value = {};
        const qint64 msecs = moment.toMSecsSinceEpoch();
        value.it_value.tv_sec = time_t(msecs / 1000);
        value.it_value.tv_nsec = long(msecs % 1000) * 1'000'000;
        if (timerfd_settime(d->timer, TFD_TIMER_ABSTIME, &value, nullptr) == 0) {
            qCInfo(lcWake).noquote() << "wake-up timer set for" << moment.toString(Qt::ISODate);
            d->setObstacle(QString());
        } else {
            d->setObstacle(tr("the system refused the wake-up timer (%1)").arg(qt_error_string(errno)));
        }
        return;
    }

    if (!d->helper && !d->helperGone) {
        if (!moment.isValid())
            return;
        d->startHelper();
    }
    if (d->helperGone)
        return;
    // One line: the second to wake at, or "cancel". The helper accepts nothing else.
    const QByteArray line = moment.isValid() ? QByteArray::number(moment.toSecsSinceEpoch()) : QByteArrayLiteral("cancel");
    d->helper->write(line + '\n');
    d->helperAnswered = false;
    // Until it answers; not worth a warning, as it answers at once.
    d->obstacle = moment.isValid() ? tr("its helper %1 has not answered").arg(d->helperPath) : QString();
}

void SystemWakeUp::Private::startHelper()
{
    helperPath = findHelper();
    if (helperPath.isEmpty()) {
        helperGone = true;
        setObstacle(tr("Dorvane may not set wake-up timers itself (%1), and its helper dorvane-wake, which "
                       "Dorvane's package installs, is not there")
                        .arg(ownError));
        return;
    }
    helper = std::make_unique<QProcess>();
    helper->setProgram(helperPath);
    helper->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QObject::connect(helper.get(), &QProcess::readyReadStandardOutput, helper.get(), [this] { readAnswers(); });
    QObject::connect(helper.get(), &QProcess::errorOccurred, helper.get(), [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        helperGone = true;
        setObstacle(tr("its helper %1 could not be started (%2)").arg(helperPath, helper->errorString()));
    });
    QObject::connect(helper.get(), &QProcess::finished, helper.get(), [this](int code) {
        readAnswers();
        helperGone = true;
        if (obstacle.isEmpty() || !helperAnswered)
            setObstacle(tr("its helper %1 ended (exit status %2)").arg(helperPath).arg(code));
    });
    helper->start(QIODevice::ReadWrite);
}

void SystemWakeUp::Private::readAnswers()
{
    while (helper->canReadLine()) {
        const QString answer = QString::fromUtf8(helper->readLine()).trimmed().left(200);
        helperAnswered = true;
        if (answer == u"ok") {
            qCInfo(lcWake).noquote() << "wake-up timer set by" << helperPath;
            setObstacle(QString());
        } else {
            setObstacle(tr("its helper %1 says: %2").arg(helperPath, answer.startsWith(u"error ") ? answer.mid(6) : answer));
        }
    }
}
