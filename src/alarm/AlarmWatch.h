// SPDX-License-Identifier: GPL-3.0-or-later
// AlarmWatch: decides at each clock tick whether the alarm is due.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

/**
 * Remembers the previous tick and the last occurrence that fired, so that
 * every day's alarm fires exactly once although ticks may come late, twice
 * in a second, or after the clock was set back.
 *
 * An occurrence is due at the first tick that comes after its second began,
 * as long as that tick comes less than lateLimitMs after it. Occurrences
 * further back (the computer slept, the clock jumped forward) are let go.
 */
class AlarmWatch
{
public:
    /// A tick this late still fires the alarm: up to the 60th second after it.
    static constexpr qint64 lateLimitMs = 61'000;

    /// Starts watching at @p now: alarm seconds that began before it are past.
    void start(const QDateTime &now);

    /**
     * Notes the tick at @p now and returns true when it fires the alarm at
     * @p alarm (a time of day); the occurrence it fires counts as fired from
     * then on.
     */
    bool recordTick(const QDateTime &now, QTime alarm);

    /**
     * The moment on @p day at which the local clock first reaches @p alarm.
     * When daylight saving time skips the alarm's hour that is the moment of
     * the jump; when it repeats the hour, the first of the two.
     */
    static QDateTime occurrence(QDate day, QTime alarm);

private:
    QDateTime m_previousTick;
    QDateTime m_lastFired;
};
