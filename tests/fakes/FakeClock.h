// SPDX-License-Identifier: GPL-3.0-or-later
// FakeClock: a clock that shows whatever moment the test sets.
#pragma once

#include "Clock.h"

class FakeClock final : public Clock
{
public:
    explicit FakeClock(const QDateTime &now = QDateTime(QDate(2026, 6, 15), QTime(9, 0)))
        : m_now(now)
    {
    }

    QDateTime now() const override { return m_now; }
    qint64 awakeMSecs() const override { return m_awake; }
    qint64 sinceBootMSecs() const override { return m_sinceBoot; }

    /// The wall clock alone is set, as a user or the network sets it.
    void set(const QDateTime &now) { m_now = now; }
    /// Time passes with the computer awake.
    void advanceMSecs(qint64 msecs)
    {
        m_now = m_now.addMSecs(msecs);
        m_awake += msecs;
        m_sinceBoot += msecs;
    }
    /// Time passes with the computer asleep.
    void sleepMSecs(qint64 msecs)
    {
        m_now = m_now.addMSecs(msecs);
        m_sinceBoot += msecs;
    }

private:
    QDateTime m_now;
    qint64 m_awake = 1'000'000;
    qint64 m_sinceBoot = 5'000'000;
};
