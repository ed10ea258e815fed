// SPDX-License-Identifier: GPL-3.0-or-later
// SystemClock: the computer's own clock.
#include "SystemClock.h"

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}
