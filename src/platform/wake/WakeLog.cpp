// SPDX-License-Identifier: GPL-3.0-or-later
// WakeLog: the logging category of the requests to wake the computer for the alarm.
#include "WakeLog.h"

Q_LOGGING_CATEGORY(lcWake, "dorvane.wake")
