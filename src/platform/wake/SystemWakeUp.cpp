// SPDX-License-Identifier: GPL-3.0-or-later
// SystemWakeUp: what both systems share: waking turned off by the user, and what is said of an obstacle.
#include "SystemWakeUp.h"

#include "WakeLog.h"

#include <utility>

namespace {

/// Never wakes the computer, and says so where the user reads why.
class WakingTurnedOff final : public WakeUp
{
public:
    void wakeAt(const QDateTime &) override {}
    QString obstacle() const override
    {
        return QCoreApplication::translate("SystemWakeUp", "waking the computer is turned off with %1=off")
            .arg(QLatin1String(SystemWakeUp::switchVariable));
    }
};

} // namespace

std::unique_ptr<WakeUp> SystemWakeUp::forSwitch(const QString &switchValue)
{
    if (switchValue.trimmed().compare(u"off", Qt::CaseInsensitive) == 0)
        return std::make_unique<WakingTurnedOff>();
    return std::make_unique<SystemWakeUp>();
}

QString SystemWakeUp::obstacle() const
{
    return m_obstacle;
}

void SystemWakeUp::setObstacle(const QString &text)
{
    if (text == m_obstacle)
        return;
    if (!text.isEmpty())
        qCWarning(lcWake).noquote() << "Dorvane cannot wake the computer for the alarm:" << text;
    m_obstacle = text;
    emit obstacleChanged();
}
