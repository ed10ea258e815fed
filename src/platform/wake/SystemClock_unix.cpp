// SPDX-License-Identifier: GPL-3.0-or-later
// SystemClock: the steady counters on Linux.
#include "SystemClock.h"

#include <time.h>

namespace {

qint64 msecsOf(clockid_t clock)
{
    timespec value = {};
    clock_gettime(clock, &value);
    return qint64(value.tv_sec) * 1000 + value.tv_nsec / 1'000'000;
}

} // namespace

qint64 SystemClock::awakeMSecs() const
{
    return msecsOf(CLOCK_MONOTONIC);
}

qint64 SystemClock::sinceBootMSecs() const
{
    return msecsOf(CLOCK_BOOTTIME);
}
