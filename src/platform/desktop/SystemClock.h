// SPDX-License-Identifier: GPL-3.0-or-later
// SystemClock: the computer's own clock.
#pragma once

#include "Clock.h"

/// Reads the system's real-time clock.
class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};
