// SPDX-License-Identifier: GPL-3.0-or-later
// AlarmWatch: decides at each clock tick whether the alarm is due.
#pragma once

#include "Clock.h"

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
 * further back (the computer slept, the clock jumped forward) are not played
 * late, but that tick reports them as missed.
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

    /// What one tick decided.
    struct Tick {
        bool fire = false;    ///< the alarm goes off now
        QDateTime missed;     ///< the earliest occurrence let go since the previous tick; invalid when none
        QDateTime lastMissed; ///< the latest of them
        int missedCount = 0;  ///< how many were let go
    };

    /**
     * Notes the tick at @p now for the alarm at @p alarm (a time of day): it
     * fires an occurrence that came since the previous tick, which counts as
     * fired from then on, and counts those that came too long ago to be played.
     */
    Tick recordTick(const QDateTime &now, QTime alarm);

    /// The first occurrence of @p alarm after @p now: the next one a tick fires.
    QDateTime nextOccurrence(const QDateTime &now, QTime alarm) const;

    /// How long before an occurrence the computer is woken for it: the resume
    /// itself takes seconds, but disks, sound devices and the network may take
    /// half a minute more to come back.
    static constexpr qint64 wakeLeadMs = 60'000;

    /// When to wake the computer for @p occurrence, asked at @p now: wakeLeadMs
    /// before it, or at the occurrence itself once that is past.
    static QDateTime wakeTime(const QDateTime &occurrence, const QDateTime &now);

    /// Why no tick came for a while.
    enum class Gap {
        Asleep,          ///< the computer slept
        ClockSetForward, ///< the wall clock jumped ahead
        NotRunning,      ///< the program could not run: stopped, or the computer overloaded
    };

    /// What kept the ticks away between the readings @p before and @p after.
    static Gap causeOfGap(const ClockReading &before, const ClockReading &after);

    /// The occurrence that fired last; the day before's, for a late tick just past midnight.
    QDateTime lastFired() const { return m_lastFired.isValid() ? wallClockAt(m_lastFired.toMSecsSinceEpoch()) : QDateTime(); }

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
