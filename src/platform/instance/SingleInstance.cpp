// SPDX-License-Identifier: GPL-3.0-or-later
// SingleInstance: one running copy of the program per settings folder.
#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QThread>

SingleInstance::Claim SingleInstance::claim(int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    Ring last = Ring::NoCopy;
    do {
        const Lock lock = takeLock();
        switch (lock) {
        case Lock::Taken:
            answerRings();
            return Claim::Running;
        case Lock::Unavailable:
            // No lock says whether another copy runs; claiming one that may
            // not exist would leave the user with no alarm at all.
            return Claim::Unguarded;
        case Lock::Held:
        case Lock::Foreign:
            break;
        }
        // The copy that holds the lock may still be starting: ring until it answers.
        // Where another account holds the way, one of this user's copies may run all the same.
        last = ring(deadline);
        if (last == Ring::Shown)
            return Claim::OtherShown;
        if (lock == Lock::Foreign && last == Ring::NoCopy) {
            // Later starts of this user's still find this copy by its doorbell.
            answerRings();
            return Claim::Unguarded;
        }
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    if (last == Ring::Silent)
        return Claim::OtherSilent;
    // Whatever holds the lock, no copy of this user's answers for it.
    m_problem = {m_settingsFolder, tr("something holds its lock, but no copy of Dorvane that runs as you answers")};
    answerRings();
    return Claim::Unguarded;
}
