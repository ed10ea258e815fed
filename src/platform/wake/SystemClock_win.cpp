// SPDX-License-Identifier: GPL-3.0-or-later
// SystemClock: the steady counters on Windows.
#include "SystemClock.h"

#include <windows.h>

qint64 SystemClock::awakeMSecs() const
{
    // In 100 ns units, without the time spent asleep or hibernating.
    ULONGLONG interruptTime = 0;
    QueryUnbiasedInterruptTime(&interruptTime);
    return qint64(interruptTime / 10'000);
}

qint64 SystemClock::sinceBootMSecs() const
{
    return qint64(GetTickCount64());
}
