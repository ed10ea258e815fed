// SPDX-License-Identifier: GPL-3.0-or-later
// TickBench: runs the naive and our clock-tick schemes side by side, first idle, then with a blocked loop.
#include "TickBench.h"

#include "TickSchedule.h"
#include "TimeText.h"

#include <QDateTime>
#include <QRandomGenerator>

namespace {

// Long enough for the naive timer to be running before the first phase opens.
constexpr int settleMs = 1500;
// Ticks after a phase's last whole second still count for its alarms, so a
// tick held up past the end by a block is not taken for a missed alarm.
constexpr int tailMs = 1500;

int loadPauseMs()
{
    return int(QRandomGenerator::global()->bounded(2000, 4001));
}

} // namespace

TickBench::TickBench(int phaseSeconds, QObject *parent)
    : QObject(parent)
    , m_phaseSeconds(phaseSeconds)
{
    m_naiveTimer.setInterval(1000);
    m_ourTimer.setSingleShot(true);
    m_ourTimer.setTimerType(Qt::PreciseTimer);
    m_loadTimer.setSingleShot(true);
    m_loadTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_naiveTimer, &QTimer::timeout, this, &TickBench::naiveTick);
    connect(&m_ourTimer, &QTimer::timeout, this, &TickBench::ourTick);
    connect(&m_loadTimer, &QTimer::timeout, this, &TickBench::blockLoop);
}

void TickBench::start()
{
    m_ourTimer.start(TickSchedule::msecsToNextTick(QDateTime::currentDateTime()));
    // The naive timer ran from whenever the window happened to load: any phase within the second.
    m_naiveStartDelay = int(QRandomGenerator::global()->bounded(1000));
    QTimer::singleShot(m_naiveStartDelay, Qt::PreciseTimer, this, [this] { m_naiveTimer.start(); });
    QTimer::singleShot(settleMs, Qt::PreciseTimer, this, [this] { beginPhase(false); });
}

void TickBench::naiveTick()
{
    const QDateTime now = QDateTime::currentDateTime();
    if (!m_recording)
        return;
    SchemeRecord &naive = m_phases.last().naive;
    naive.ticks.append(now.toMSecsSinceEpoch());
    const QString text = TimeText::Format(now.time());
    for (qsizetype i = 0; i < m_alarmTexts.size(); ++i) {
        if (text == m_alarmTexts.at(i))
            ++naive.alarmFires[i];
    }
}

void TickBench::ourTick()
{
    const QDateTime now = QDateTime::currentDateTime();
    if (m_recording) {
        SchemeRecord &ours = m_phases.last().ours;
        ours.ticks.append(now.toMSecsSinceEpoch());
        for (size_t i = 0; i < m_watches.size(); ++i) {
            if (m_watches[i].recordTick(now, m_alarms.at(qsizetype(i))).fire)
                ++ours.alarmFires[qsizetype(i)];
        }
    }
    // As the main window does: re-armed from a fresh reading, after the tick's work.
    m_ourTimer.start(TickSchedule::msecsToNextTick(QDateTime::currentDateTime()));
}

void TickBench::blockLoop()
{
    const qint64 length = QRandomGenerator::global()->bounded(301);
    Block block;
    block.start = QDateTime::currentMSecsSinceEpoch();
    // Busy, not asleep: a window stuck in its own work, not one waiting on the system.
    while (QDateTime::currentMSecsSinceEpoch() < block.start + length) {
    }
    block.end = QDateTime::currentMSecsSinceEpoch();
    m_phases.last().blocks.append(block);
    m_loadTimer.start(loadPauseMs());
}

void TickBench::beginPhase(bool loaded)
{
    PhaseRecord phase;
    phase.loaded = loaded;
    phase.start = QDateTime::currentMSecsSinceEpoch();
    phase.end = phase.start + m_phaseSeconds * 1000LL;

    m_alarms.clear();
    m_alarmTexts.clear();
    m_watches.clear();
    const QDateTime startTime = QDateTime::fromMSecsSinceEpoch(phase.start);
    const auto [first, last] = TickStatsMath::wholeSeconds(phase.start, phase.end);
    for (qint64 second = first; second < last; second += 1000) {
        const QTime alarm = QDateTime::fromMSecsSinceEpoch(second).time();
        m_alarms.append(alarm);
        m_alarmTexts.append(TimeText::Format(alarm));
        m_watches.emplace_back().start(startTime);
    }
    phase.naive.alarmFires.fill(0, m_alarms.size());
    phase.ours.alarmFires.fill(0, m_alarms.size());
    m_phases.append(phase);
    m_recording = true;

    if (loaded)
        m_loadTimer.start(loadPauseMs());
    QTimer::singleShot(int(phase.end - phase.start), Qt::PreciseTimer, this, &TickBench::endPhase);
}

void TickBench::endPhase()
{
    m_loadTimer.stop();
    QTimer::singleShot(tailMs, Qt::PreciseTimer, this, &TickBench::closePhase);
}

void TickBench::closePhase()
{
    m_recording = false;
    if (m_phases.size() == 1) {
        beginPhase(true);
        return;
    }
    m_naiveTimer.stop();
    m_ourTimer.stop();
    emit finished();
}
