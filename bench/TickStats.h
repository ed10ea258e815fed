// SPDX-License-Identifier: GPL-3.0-or-later
// TickStats: what a run of clock ticks says about a tick scheme.
#pragma once

#include <QList>
#include <QtGlobal>

#include <optional>

/// A stretch of time, in milliseconds since the epoch, during which the event loop ran nothing else.
struct Block
{
    qint64 start = 0;
    qint64 end = 0;
};

struct TickStats
{
    int ticks = 0;
    std::optional<qint64> lagP50;
    std::optional<qint64> lagP99;
    std::optional<qint64> lagMax;
    std::optional<qint64> lagBeyondBlockP99;
    std::optional<qint64> lagBeyondBlockMax;
    int wholeSeconds = 0;
    int secondsWithoutTick = 0;
    int secondsWithSeveralTicks = 0;
    int alarmsMissed = 0;
    int alarmsDoubled = 0;
};

namespace TickStatsMath {

/// Nearest-rank percentile @p p (0 < p <= 100) of @p values; none when there are none.
std::optional<qint64> percentile(QList<qint64> values, double p);

/**
 * How late the tick at @p tick came: from the start of its wall-clock second,
 * or, when that second began while one of @p blocks held the loop, from the
 * end of that block.
 */
qint64 lagBeyondBlock(qint64 tick, const QList<Block> &blocks);

/**
 * Summarises the @p ticks of one scheme over the phase from @p phaseStart to
 * @p phaseEnd. Only ticks in the whole seconds of the phase are counted, so
 * the partial seconds at either end neither miss nor double anything.
 * @p alarmFires holds, for each whole second in order, how often its alarm fired.
 */
TickStats summarize(const QList<qint64> &ticks, qint64 phaseStart, qint64 phaseEnd,
                    const QList<Block> &blocks, const QList<int> &alarmFires);

/// The first and one past the last whole second (as epoch milliseconds) between @p start and @p end.
std::pair<qint64, qint64> wholeSeconds(qint64 start, qint64 end);

} // namespace TickStatsMath
