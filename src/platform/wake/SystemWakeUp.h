// SPDX-License-Identifier: GPL-3.0-or-later
// SystemWakeUp: the system's timer that wakes a sleeping computer for the alarm.
#pragma once

#include "WakeUp.h"

#include <QCoreApplication>

#include <memory>

/**
 * Wakes the computer through the system. On Linux that is a timer on the
 * alarm clock CLOCK_REALTIME_ALARM, which resumes a suspended computer: set
 * by the program itself where it may (it holds CAP_WAKE_ALARM), else by its
 * helper dorvane-wake, which the package installs with that capability alone.
 * On Windows it is a waitable timer that resumes the computer where the power
 * plan allows wake timers. The request ends with this object.
 */
class SystemWakeUp final : public WakeUp
{
    Q_OBJECT

public:
    SystemWakeUp();
    ~SystemWakeUp() override;

    void wakeAt(const QDateTime &moment) override;
    QString obstacle() const override;

    /// The environment variable that turns waking off: DORVANE_WAKE=off.
    static constexpr char switchVariable[] = "DORVANE_WAKE";

    /// The wake-up this run uses: the system's, or none where @p switchValue
    /// (the value of switchVariable) is "off".
    static std::unique_ptr<WakeUp> forSwitch(const QString &switchValue);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
