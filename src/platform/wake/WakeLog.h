// SPDX-License-Identifier: GPL-3.0-or-later
// WakeLog: the logging category of the requests to wake the computer for the alarm.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcWake)
