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

    void set(const QDateTime &now) { m_now = now; }
    void advanceMSecs(qint64 msecs) { m_now = m_now.addMSecs(msecs); }

private:
    QDateTime m_now;
};
