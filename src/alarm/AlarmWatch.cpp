// SPDX-License-Identifier: GPL-3.0-or-later
// AlarmWatch: decides at each clock tick whether the alarm is due.
#include "AlarmWatch.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace {

bool reached(const QDateTime &local, QDate day, QTime alarm)
{
    return local.date() > day || (local.date() == day && local.time() >= alarm);
}

} // namespace

void AlarmWatch::start(const QDateTime &now)
{
    m_previousTick = now.toUTC();
}

AlarmWatch::Tick AlarmWatch::recordTick(const QDateTime &now, QTime alarm)
{
    const QDateTime previous = m_previousTick.isValid() ? m_previousTick : now;
    // Kept as moments, not as readings of the local clock: a reading would
    // move with the zone when the computer's time zone changes (a journey),
    // and an alarm already past would look as if it had just come.
    m_previousTick = now.toUTC();

    const QTime alarmSecond(alarm.hour(), alarm.minute(), alarm.second());
    const QDate today = wallClockAt(now.toMSecsSinceEpoch()).date();
    // From the day before the previous tick's: a late tick just past midnight
    // still fires the day before's alarm.
    const QDate firstDay = wallClockAt(previous.toMSecsSinceEpoch()).date().addDays(-1);
    Tick tick;
    for (QDate day = firstDay; day.isValid() && day <= today; day = day.addDays(1)) {
        // A clock set weeks ahead: every day in the middle had its one
        // occurrence, and each came long before this tick.
        if (firstDay.daysTo(day) == 3 && day.daysTo(today) > 3) {
            const qint64 middle = day.daysTo(today) - 3;
            tick.missedCount += int(qMin<qint64>(middle, INT_MAX / 2));
            day = day.addDays(middle - 1);
            continue;
        }
        // Due when its second began since the previous tick: a value set in
        // the picker counts from the next tick, as it would on a wall clock.
        const QDateTime due = occurrence(day, alarmSecond);
        if (!due.isValid() || due <= previous || due > now || due == m_lastFired)
            continue;
        if (due.msecsTo(now) < lateLimitMs) {
            m_lastFired = due.toUTC();
            tick.fire = true;
        } else {
            if (!tick.missed.isValid())
                tick.missed = due;
            tick.lastMissed = due;
            ++tick.missedCount;
        }
    }
    return tick;
}

QDateTime AlarmWatch::nextOccurrence(const QDateTime &now, QTime alarm) const
{
    const QTime alarmSecond(alarm.hour(), alarm.minute(), alarm.second());
    const QDate today = wallClockAt(now.toMSecsSinceEpoch()).date();
    // Today's, else tomorrow's; the day after only should a day's occurrence
    // ever fail to exist.
    for (int days = 0; days <= 2; ++days) {
        const QDateTime due = occurrence(today.addDays(days), alarmSecond);
        if (due.isValid() && due > now)
            return due;
    }
    return {};
}

QDateTime AlarmWatch::wakeTime(const QDateTime &occurrence, const QDateTime &now)
{
    if (!occurrence.isValid())
        return {};
    const QDateTime early = occurrence.addMSecs(-wakeLeadMs);
    return early > now ? early : occurrence;
}

AlarmWatch::Gap AlarmWatch::causeOfGap(const ClockReading &before, const ClockReading &after)
{
    // The gap on the wall clock is the time the computer was awake, plus the
    // time it slept (the boot-time counter runs on, the awake one does not),
    // plus however far the wall clock was set. The largest share is the cause.
    const qint64 awake = after.awakeMSecs - before.awakeMSecs;
    const qint64 sinceBoot = after.sinceBootMSecs - before.sinceBootMSecs;
    const qint64 asleep = sinceBoot - awake;
    const qint64 jumped = before.wall.msecsTo(after.wall) - sinceBoot;
    if (asleep >= jumped && asleep >= awake)
        return Gap::Asleep;
    return jumped >= awake ? Gap::ClockSetForward : Gap::NotRunning;
}

QDateTime AlarmWatch::wallClockAt(qint64 msecsSinceEpoch) const
{
    return m_zone ? QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, *m_zone)
                  : QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::LocalTime);
}

QDateTime AlarmWatch::startOfDay(QDate day) const
{
    return m_zone ? day.startOfDay(*m_zone) : day.startOfDay();
}

QDateTime AlarmWatch::endOfDay(QDate day) const
{
    return m_zone ? day.endOfDay(*m_zone) : day.endOfDay();
}

QDateTime AlarmWatch::occurrence(QDate day, QTime alarm) const
{
    if (!day.isValid() || !alarm.isValid())
        return {};
    // The alarm's wall-clock reading as if it were UTC; the real moment lies
    // one of the day's UTC offsets before it. A day has at most one change of
    // offset, so the offsets at its start and its end are all there are.
    const qint64 wallAsUtc = QDateTime(day, alarm, Qt::UTC).toMSecsSinceEpoch();
    const qint64 offsetAtStart = startOfDay(day).offsetFromUtc() * 1000LL;
    const qint64 offsetAtEnd = endOfDay(day).offsetFromUtc() * 1000LL;

    std::optional<qint64> first;
    for (const qint64 offset : {offsetAtStart, offsetAtEnd}) {
        const QDateTime candidate = wallClockAt(wallAsUtc - offset);
        if (candidate.date() == day && candidate.time() == alarm)
            first = std::min(first.value_or(wallAsUtc - offset), wallAsUtc - offset);
    }
    if (first)
        return wallClockAt(*first);

    // The reading never shows: the clock jumps over it. Find the jump, the
    // first moment at which the clock reads later than the alarm.
    qint64 before = wallAsUtc - std::max(offsetAtStart, offsetAtEnd);
    qint64 after = wallAsUtc - std::min(offsetAtStart, offsetAtEnd);
    if (reached(wallClockAt(before), day, alarm) || !reached(wallClockAt(after), day, alarm))
        return {};
    while (after - before > 1) {
        const qint64 middle = before + (after - before) / 2;
        (reached(wallClockAt(middle), day, alarm) ? after : before) = middle;
    }
    return wallClockAt(after);
}
