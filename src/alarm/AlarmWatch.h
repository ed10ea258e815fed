// SPDX-License-Identifier: GPL-3.0-or-later
// AlarmWatch: decides at each clock tick whether the alarm is due.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QTimeZone>

#include <optional>

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

    /// Follows the wall clock of the computer's local time.
    AlarmWatch() = default;

    /// Follows the wall clock of @p zone instead, whatever the computer's zone.
    explicit AlarmWatch(const QTimeZone &zone)
        : m_zone(zone)
    {
    }

    /// Starts watching at @p now: alarm seconds that began before it are past.
    void start(const QDateTime &now);

    /**
     * Notes the tick at @p now and returns true when it fires the alarm at
     * @p alarm (a time of day); the occurrence it fires counts as fired from
     * then on.
     */
    bool recordTick(const QDateTime &now, QTime alarm);

    /// The occurrence that fired last; the day before's, for a late tick just past midnight.
    QDateTime lastFired() const { return m_lastFired; }

    /**
     * The moment on @p day at which the wall clock first reaches @p alarm.
     * When daylight saving time skips the alarm's hour that is the moment of
     * the jump; when it repeats the hour, the first of the two.
     */
    QDateTime occurrence(QDate day, QTime alarm) const;

private:
    QDateTime wallClockAt(qint64 msecsSinceEpoch) const;
    QDateTime startOfDay(QDate day) const;
    QDateTime endOfDay(QDate day) const;

    std::optional<QTimeZone> m_zone;
    QDateTime m_previousTick;
    QDateTime m_lastFired;
};
