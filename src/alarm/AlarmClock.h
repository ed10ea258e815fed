// SPDX-License-Identifier: GPL-3.0-or-later
// AlarmClock: the tick, the alarm it plays, and the wake-up it asks the system for.
#pragma once

#include "AlarmReport.h"
#include "AlarmWatch.h"
#include "Clock.h"

#include <QDateTime>
#include <QObject>
#include <QTime>

class Opener;
class QTimer;
class SequentialFiles;
class StayAwake;
class WakeUp;

/**
 * Ticks once a second, just after each second of the wall clock begins. At
 * every tick it tells the time, and at the alarm second it hands the file
 * the record names to the desktop. It keeps the computer's wake-up request on
 * the next alarm, holds the computer awake from shortly before the alarm
 * until the file has been heard, and tells its window, as facts, whatever
 * went wrong: a file
 * that did not open, alarms that passed unplayed, a computer that will not be
 * woken. It shows nothing itself.
 */
class AlarmClock : public QObject
{
    Q_OBJECT

public:
    /// What the alarm needs of the world outside it.
    struct Services {
        const Clock &clock;
        Opener &opener;
        WakeUp &wakeUp;
        StayAwake &stayAwake;
        SequentialFiles &files;
    };

    /// How long before the alarm the computer is held awake: from the first
    /// tick after the wake-up, so that nothing puts it back to sleep.
    static constexpr qint64 holdAheadMs = AlarmWatch::wakeLeadMs + 15'000;

    /// How long the computer stays held awake once the file has opened: time
    /// for its player to start, take a hold of its own, and be heard.
    static constexpr qint64 heardMs = 120'000;

    explicit AlarmClock(const Services &services, QObject *parent = nullptr);
    ~AlarmClock() override;

    /// Starts ticking with the alarm at @p alarm; alarm seconds already begun are past.
    void start(QTime alarm);

    /// The user set the alarm to @p alarm; it counts from the next tick.
    void setAlarmTime(QTime alarm);

    /// The user may have chosen another file: the record is read again.
    void recheckRecord();

    /// What is arranged for waking the computer for the next alarm.
    WakePlan wakePlan() const { return m_plan; }

signals:
    /// A tick came at @p now.
    void ticked(const QDateTime &now);
    /// Nothing opened at an alarm.
    void notOpened(const NotOpened &notOpened);
    /// Alarms passed without a tick to play them.
    void missed(const Missed &missed);
    /// What wakePlan() says changed.
    void wakePlanChanged(const WakePlan &plan);
    /// A file was newly chosen, but the computer will not be woken for it.
    void willNotWake(const WakePlan &plan);

private slots:
    void Timer2_Timer();

private:
    void CheckAlarm();
    void open(const QDateTime &alarmAt);
    void armTimer();
    void updateWakeUp(bool recheckRecord);
    void updatePlan();
    void keepAwake(const QDateTime &now);

    QTimer *Timer2;

    const Clock &m_clock;
    Opener &m_opener;
    WakeUp &m_wakeUp;
    StayAwake &m_stayAwake;
    SequentialFiles &m_files;
    AlarmWatch m_watch;
    QTime m_alarm;
    ClockReading m_previousReading;
    QDateTime m_wakeFor;   ///< the occurrence the wake-up request was last made for
    QDateTime m_wakeAsked; ///< when the computer was last asked to wake; invalid: not asked
    int m_wakeOffset = 0;  ///< the wall clock's offset from UTC when m_wakeFor was worked out
    bool m_fileChosen = false;
    QString m_chosenPath;  ///< what the record named when last read
    QDateTime m_tellRefusalUntil; ///< a refusal that comes before then follows a new choice of file
    WakePlan m_plan;
    bool m_held = false;    ///< the computer is held awake
    bool m_opening = false; ///< the desktop has not yet answered for the file
    QDateTime m_heardUntil; ///< the file opened: the computer stays awake until then
};
