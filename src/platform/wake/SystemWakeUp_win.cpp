// SPDX-License-Identifier: GPL-3.0-or-later
// SystemWakeUp: on Windows a waitable timer that resumes the computer, where the power plan allows it.
#include "SystemWakeUp.h"

#include "PowerPlan_win.h"
#include "WaitableTimer_win.h"

struct SystemWakeUp::Private {
    WaitableTimer timer;
};

SystemWakeUp::SystemWakeUp()
    : d(std::make_unique<Private>())
{
    setObstacle(PowerPlan::obstacle(PowerPlan::read()));
}

SystemWakeUp::~SystemWakeUp() = default;

void SystemWakeUp::wakeAt(const QDateTime &moment)
{
    const QString refused = d->timer.setFor(moment);
    // Read again each time: the plan may have been changed since.
    const QString plan = PowerPlan::obstacle(PowerPlan::read());
    setObstacle(plan.isEmpty() ? refused : plan);
}
