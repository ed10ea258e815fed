// SPDX-License-Identifier: GPL-3.0-or-later
// SingleInstance: one running copy of the program per settings folder.
#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

namespace {

QString keyOf(const QString &settingsFolder)
{
    const QByteArray folder = QDir::cleanPath(QDir(settingsFolder).absolutePath()).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(20));
}

} // namespace

SingleInstance::SingleInstance(const QString &settingsFolder, QObject *parent)
    : QObject(parent)
    , m_key(keyOf(settingsFolder))
    , m_lock(lockFile(m_key))
{
    // Held for as long as the program runs: age alone must never make it
    // stale, only the death of the process that holds it. (Where the system
    // locks the file natively this holds anyway; not every file system does.)
    m_lock.setStaleLockTime(0);
}

SingleInstance::Claim SingleInstance::claim(int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    do {
        if (m_lock.tryLock(0)) {
            answerRings();
            return Claim::Running;
        }
        // The copy that holds the lock may still be starting: ring until it answers.
        if (ring(int(qBound(qint64(0), deadline.remainingTime(), qint64(500)))))
            return Claim::OtherShown;
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return Claim::OtherSilent;
}
