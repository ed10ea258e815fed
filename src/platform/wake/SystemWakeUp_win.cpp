// SPDX-License-Identifier: GPL-3.0-or-later
// SystemWakeUp: on Windows a waitable timer that resumes the computer.
#include "SystemWakeUp.h"

#include "WaitableTimer_win.h"

struct SystemWakeUp::Private {
    WaitableTimer timer;
};

SystemWakeUp::SystemWakeUp()
    : d(std::make_unique<Private>())
{
}

SystemWakeUp::~SystemWakeUp() = default;

void SystemWakeUp::wakeAt(const QDateTime &moment)
{
    setObstacle(d->timer.setFor(moment));
}
