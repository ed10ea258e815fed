// SPDX-License-Identifier: GPL-3.0-or-later
// TickSchedule: when the next clock tick is due.
#pragma once

#include <QDateTime>

namespace TickSchedule {

/// How far past the start of a second a tick aims to land. Just enough that
/// a timer firing a hair early still lands in the new second.
inline constexpr int marginMs = 2;

/// Milliseconds from @p now until just after the next wall-clock second begins.
inline int msecsToNextTick(const QDateTime &now)
{
    const qint64 intoSecond = ((now.toMSecsSinceEpoch() % 1000) + 1000) % 1000;
    return int(1000 - intoSecond) + marginMs;
}

} // namespace TickSchedule
