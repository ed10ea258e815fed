// SPDX-License-Identifier: GPL-3.0-or-later
// TickBench: runs the naive and our clock-tick schemes side by side, first idle, then with a blocked loop.
#pragma once

#include "AlarmWatch.h"
#include "TickStats.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTime>
#include <QTimer>

#include <vector>

/// The ticks one scheme made during a phase, and how often each whole second's alarm fired.
struct SchemeRecord
{
    QList<qint64> ticks;
    QList<int> alarmFires;
};

struct PhaseRecord
{
    bool loaded = false;
    qint64 start = 0;
    qint64 end = 0;
    QList<Block> blocks;
    SchemeRecord naive;
    SchemeRecord ours;
};

class TickBench : public QObject
{
    Q_OBJECT

public:
    explicit TickBench(int phaseSeconds, QObject *parent = nullptr);

    void start();
    const QList<PhaseRecord> &phases() const { return m_phases; }
    int naiveStartDelayMs() const { return m_naiveStartDelay; }

signals:
    void finished();

private:
    void naiveTick();
    void ourTick();
    void blockLoop();
    void beginPhase(bool loaded);
    void endPhase();
    void closePhase();

    const int m_phaseSeconds;
    int m_naiveStartDelay = 0;
    QTimer m_naiveTimer;
    QTimer m_ourTimer;
    QTimer m_loadTimer;
    QList<PhaseRecord> m_phases;
    bool m_recording = false;
    // One alarm per whole second of the open phase, in order.
    QList<QTime> m_alarms;
    QList<QString> m_alarmTexts;
    std::vector<AlarmWatch> m_watches;
};
