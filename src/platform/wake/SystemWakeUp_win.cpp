// SPDX-License-Identifier: GPL-3.0-or-later
// SystemWakeUp: on Windows a waitable timer that resumes the computer.
#include "SystemWakeUp.h"

#include "WakeLog.h"
#include "WaitableTimer_win.h"

#include <utility>

struct SystemWakeUp::Private {
    WaitableTimer timer;
    QString obstacle;
};

SystemWakeUp::SystemWakeUp()
    : d(std::make_unique<Private>())
{
}

SystemWakeUp::~SystemWakeUp() = default;

void SystemWakeUp::wakeAt(const QDateTime &moment)
{
    const QString obstacle = d->timer.setFor(moment);
    if (!obstacle.isEmpty() && obstacle != d->obstacle)
        qCWarning(lcWake).noquote() << "Dorvane cannot wake the computer for the alarm:" << obstacle;
    if (std::exchange(d->obstacle, obstacle) != obstacle)
        emit obstacleChanged();
}

QString SystemWakeUp::obstacle() const
{
    return d->obstacle;
}
