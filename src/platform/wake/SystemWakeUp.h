// SPDX-License-Identifier: GPL-3.0-or-later
// SystemWakeUp: the system's timer that wakes a sleeping computer for the alarm.
#pragma once

#include "WakeUp.h"

#include <QCoreApplication>

#include <memory>

/**
 * Wakes the computer through the system. On Linux that is a timer on the
 * alarm clock CLOCK_REALTIME_ALARM, which resumes a suspended computer, held
 * by the helper dorvane-wake: the package installs it with the capability
 * cap_wake_alarm alone, and it serves only a caller in a local session at a
 * seat. It is started at once, so that obstacle() tells what stands in the
 * way before anything is asked, and again after it was killed. On Windows it
 * is a waitable timer that resumes the computer where the power plan allows
 * wake timers. The request ends with this object.
 */
class SystemWakeUp final : public WakeUp
{
    Q_OBJECT

public:
    SystemWakeUp();
#ifndef Q_OS_WIN
    /// Has the helper at @p helperPath hold the timer; none when it is empty.
    explicit SystemWakeUp(const QString &helperPath);
#endif
    ~SystemWakeUp() override;

    void wakeAt(const QDateTime &moment) override;
    QString obstacle() const override;

    /// The environment variable that turns waking off: DORVANE_WAKE=off.
    static constexpr char switchVariable[] = "DORVANE_WAKE";

    /// The wake-up this run uses: the system's, or none where @p switchValue
    /// (the value of switchVariable) is "off".
    static std::unique_ptr<WakeUp> forSwitch(const QString &switchValue);

private:
    /// From now on obstacle() says @p text: warns of a new obstacle, and tells of any change.
    void setObstacle(const QString &text);

    struct Private;
    std::unique_ptr<Private> d;
    QString m_obstacle;
};
