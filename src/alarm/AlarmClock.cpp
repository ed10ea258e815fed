// SPDX-License-Identifier: GPL-3.0-or-later
// AlarmClock: the tick, the alarm it plays, and the wake-up it asks the system for.
#include "AlarmClock.h"

#include "AlarmTexts.h"

#include "Module1.h"
#include "Opener.h"
#include "SequentialFiles.h"
#include "StayAwake.h"
#include "TickSchedule.h"
#include "TimeText.h"
#include "WakeUp.h"

#include <QLoggingCategory>
#include <QTimer>

#include <utility>

namespace {

Q_LOGGING_CATEGORY(lcAlarm, "dorvane.alarm")

/// How long after a new choice of file a late answer from the system still belongs to it.
constexpr qint64 choiceAnswerMs = 10'000;

} // namespace

AlarmClock::AlarmClock(const Services &services, QObject *parent)
    : QObject(parent)
    , Timer2(new QTimer(this))
    , m_clock(services.clock)
    , m_opener(services.opener)
    , m_wakeUp(services.wakeUp)
    , m_stayAwake(services.stayAwake)
    , m_files(services.files)
{
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setSingleShot(true);
    Timer2->setTimerType(Qt::PreciseTimer);
    connect(Timer2, &QTimer::timeout, this, &AlarmClock::Timer2_Timer);
    connect(&m_wakeUp, &WakeUp::obstacleChanged, this, &AlarmClock::updatePlan);
}

AlarmClock::~AlarmClock()
{
    // Nobody is left to ring the alarm the computer would wake for.
    if (m_wakeAsked.isValid())
        m_wakeUp.wakeAt(QDateTime());
    if (m_held)
        m_stayAwake.release();
}

void AlarmClock::start(QTime alarm)
{
    m_alarm = alarm;
    m_previousReading = m_clock.read();
    m_watch.start(m_previousReading.wall);
    updateWakeUp(true);
    keepAwake(m_previousReading.wall);
    armTimer();
}

void AlarmClock::setAlarmTime(QTime alarm)
{
    m_alarm = alarm;
    updateWakeUp(false);
    keepAwake(m_clock.now());
}

void AlarmClock::recheckRecord()
{
    const bool chosenBefore = m_fileChosen;
    const QString pathBefore = m_chosenPath;
    updateWakeUp(true);
    keepAwake(m_clock.now());
    if (!m_fileChosen || (chosenBefore && m_chosenPath == pathBefore))
        return;
    if (m_plan.state == WakePlan::State::Refused)
        emit willNotWake(m_plan);
    else // the system may answer the new request later: its refusal still belongs to this choice
        m_tellRefusalUntil = m_clock.now().addMSecs(choiceAnswerMs);
}

void AlarmClock::Timer2_Timer()
{
    CheckAlarm();
    // The next occurrence is a fixed moment: it moves only once it has come
    // (fired or missed) or the zone moves the wall clock against it. A clock
    // set by hand leaves it where it is, and the system's timer follows the
    // wall clock. So most ticks need not work it out again.
    const QDateTime now = m_clock.now();
    if (!m_wakeFor.isValid() || m_wakeFor <= now || now.offsetFromUtc() != m_wakeOffset)
        updateWakeUp(false);
    keepAwake(now);
    armTimer();
}

void AlarmClock::armTimer()
{
    // Re-armed for just after the next second begins, so the display turns
    // over with the real second and no second goes without a tick.
    Timer2->start(TickSchedule::msecsToNextTick(m_clock.now()));
}

void AlarmClock::CheckAlarm()
{
    const ClockReading reading = m_clock.read();
    emit ticked(reading.wall);
    const AlarmWatch::Tick tick = m_watch.recordTick(reading.wall, m_alarm);
    const ClockReading previous = std::exchange(m_previousReading, reading);
    if (tick.missed.isValid()) {
        WakePlan plan = m_plan;
        if (plan.state == WakePlan::State::Asked && m_wakeFor != tick.missed)
            plan = {WakePlan::State::NotAsked, {}};
        const Missed missed{tick.missed, tick.lastMissed, tick.missedCount, AlarmWatch::causeOfGap(previous, reading), plan};
        qCWarning(lcAlarm).noquote() << "missed" << tick.missedCount << "alarm(s) from" << tick.missed.toString(Qt::ISODate);
        emit this->missed(missed);
    }
    if (tick.fire)
        open(QDateTime(m_watch.lastFired().date(), m_alarm));
}

void AlarmClock::open(const QDateTime &alarmAt)
{
    // The alarm of the day it fired for: a late tick past midnight fires the day before's.
    const Module1::Target target = Module1::lookUpTarget(m_files);
    if (target.status != Module1::Target::Status::Found) {
        qCWarning(lcAlarm).noquote() << "alarm at" << TimeText::Format(m_alarm) << "has nothing to open";
        emit notOpened({alarmAt, target, std::nullopt});
        return;
    }
    qCInfo(lcAlarm).noquote() << "alarm at" << TimeText::Format(m_alarm) << "opens" << target.path;
    m_opening = true;
    m_opener.openDocument(target.path, this, [this, alarmAt, target](std::optional<Opener::Failure> failure) {
        m_opening = false;
        if (!failure)
            m_heardUntil = m_clock.now().addMSecs(heardMs);
        keepAwake(m_clock.now());
        if (failure)
            emit notOpened({alarmAt, target, failure});
    });
}

void AlarmClock::updateWakeUp(bool recheckRecord)
{
    // The system is asked again only when the next occurrence moves: an
    // edit, a firing, a new zone.
    const QDateTime now = m_clock.now();
    m_wakeOffset = now.offsetFromUtc();
    const QDateTime next = m_watch.nextOccurrence(now, m_alarm);
    if (next == m_wakeFor && !recheckRecord)
        return;
    m_wakeFor = next;
    if (recheckRecord) {
        // A fresh install would wake the computer every noon for nothing.
        const Module1::Target target = Module1::lookUpTarget(m_files);
        m_fileChosen = target.status != Module1::Target::Status::NoRecord
            && target.status != Module1::Target::Status::EmptyRecord;
        m_chosenPath = target.path;
    }
    const QDateTime wake = m_fileChosen ? AlarmWatch::wakeTime(next, now) : QDateTime();
    if (wake != m_wakeAsked) {
        m_wakeAsked = wake;
        m_wakeUp.wakeAt(wake);
    }
    updatePlan();
}

void AlarmClock::updatePlan()
{
    WakePlan plan;
    if (!m_fileChosen)
        plan = {WakePlan::State::NoFile, {}};
    else if (const QString obstacle = m_wakeUp.obstacle(); !obstacle.isEmpty())
        plan = {WakePlan::State::Refused, {}, obstacle};
    else if (m_wakeAsked.isValid())
        plan = {WakePlan::State::Asked, m_wakeAsked};
    if (plan == m_plan)
        return;
    m_plan = plan;
    emit wakePlanChanged(m_plan);
    if (m_plan.state == WakePlan::State::Refused && m_tellRefusalUntil.isValid()
        && m_clock.now() <= m_tellRefusalUntil) {
        m_tellRefusalUntil = QDateTime();
        emit willNotWake(m_plan);
    }
}

void AlarmClock::keepAwake(const QDateTime &now)
{
    // From shortly before the alarm, which a computer woken for it has just
    // reached, until its file has been heard or has failed to open.
    const bool due = m_fileChosen && m_wakeFor.isValid() && now.msecsTo(m_wakeFor) <= holdAheadMs;
    const bool hold = due || m_opening || (m_heardUntil.isValid() && now < m_heardUntil);
    if (hold == m_held)
        return;
    m_held = hold;
    if (hold)
        m_stayAwake.hold(AlarmTexts::holdingAwake(m_alarm));
    else
        m_stayAwake.release();
}
