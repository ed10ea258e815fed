// SPDX-License-Identifier: GPL-3.0-or-later
// SystemClock: the computer's own clock.
#pragma once

#include "Clock.h"

/// Reads the system's real-time clock and its two steady counters.
class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
    qint64 awakeMSecs() const override;
    qint64 sinceBootMSecs() const override;
};
