// SPDX-License-Identifier: GPL-3.0-or-later
// SingleInstance: one running copy of the program per settings folder.
#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QThread>

SingleInstance::Claim SingleInstance::claim(int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    do {
        switch (takeLock()) {
        case Lock::Taken:
            answerRings();
            return Claim::Running;
        case Lock::Unavailable:
            // No lock says whether another copy runs; claiming one that may
            // not exist would leave the user with no alarm at all.
            return Claim::Unguarded;
        case Lock::Held:
            break;
        }
        // The copy that holds the lock may still be starting: ring until it answers.
        if (ring(deadline))
            return Claim::OtherShown;
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return Claim::OtherSilent;
}
