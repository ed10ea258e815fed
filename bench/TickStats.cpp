// SPDX-License-Identifier: GPL-3.0-or-later
// TickStats: what a run of clock ticks says about a tick scheme.
#include "TickStats.h"

#include <algorithm>
#include <cmath>

namespace TickStatsMath {

namespace {

qint64 secondStart(qint64 msecs)
{
    return msecs - ((msecs % 1000) + 1000) % 1000;
}

} // namespace

std::optional<qint64> percentile(QList<qint64> values, double p)
{
    if (values.isEmpty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const auto rank = qsizetype(std::ceil(p / 100.0 * double(values.size())));
    return values.at(std::clamp<qsizetype>(rank, 1, values.size()) - 1);
}

qint64 lagBeyondBlock(qint64 tick, const QList<Block> &blocks)
{
    const qint64 second = secondStart(tick);
    for (const Block &block : blocks) {
        if (block.start <= second && second < block.end)
            return tick - block.end;
    }
    return tick - second;
}

std::pair<qint64, qint64> wholeSeconds(qint64 start, qint64 end)
{
    const qint64 first = secondStart(start) == start ? start : secondStart(start) + 1000;
    return {first, std::max(first, secondStart(end))};
}

TickStats summarize(const QList<qint64> &ticks, qint64 phaseStart, qint64 phaseEnd,
                    const QList<Block> &blocks, const QList<int> &alarmFires)
{
    const auto [first, last] = wholeSeconds(phaseStart, phaseEnd);
    TickStats stats;
    stats.wholeSeconds = int((last - first) / 1000);

    QList<int> perSecond(stats.wholeSeconds, 0);
    QList<qint64> lags;
    QList<qint64> beyond;
    for (const qint64 tick : ticks) {
        if (tick < first || tick >= last)
            continue;
        ++perSecond[(tick - first) / 1000];
        lags.append(tick - secondStart(tick));
        beyond.append(lagBeyondBlock(tick, blocks));
    }
    stats.ticks = int(lags.size());
    stats.lagP50 = percentile(lags, 50);
    stats.lagP99 = percentile(lags, 99);
    stats.lagMax = percentile(lags, 100);
    stats.lagBeyondBlockP99 = percentile(beyond, 99);
    stats.lagBeyondBlockMax = percentile(beyond, 100);
    stats.secondsWithoutTick = int(std::count(perSecond.cbegin(), perSecond.cend(), 0));
    stats.secondsWithSeveralTicks = int(std::count_if(perSecond.cbegin(), perSecond.cend(), [](int n) { return n >= 2; }));
    stats.alarmsMissed = int(std::count(alarmFires.cbegin(), alarmFires.cend(), 0));
    stats.alarmsDoubled = int(std::count_if(alarmFires.cbegin(), alarmFires.cend(), [](int n) { return n >= 2; }));
    return stats;
}

} // namespace TickStatsMath
