// SPDX-License-Identifier: GPL-3.0-or-later
// WakeUp: asks the system to wake a sleeping computer in time for the alarm.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

/**
 * Holds one request to wake the computer. A computer that sleeps through the
 * alarm second cannot open anything, so the alarm asks to be woken shortly
 * before it.
 */
class WakeUp : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    /**
     * Asks the system to wake the computer at @p moment, in place of any
     * earlier request; an invalid moment withdraws the request.
     */
    virtual void wakeAt(const QDateTime &moment) = 0;

    /**
     * Why the computer will not be woken at the moment last asked for, as a
     * sentence for the user; empty when the system took the request, or
     * none stands. Where the system cannot wake the computer at all, it says
     * so before any request.
     */
    virtual QString obstacle() const = 0;

signals:
    /// What obstacle() says changed: the system answered a request later than it was made.
    void obstacleChanged();
};
