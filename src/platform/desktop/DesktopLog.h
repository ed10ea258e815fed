// SPDX-License-Identifier: GPL-3.0-or-later
// DesktopLog: the logging categories of what the program asks of the desktop and the system.
#pragma once

#include <QLoggingCategory>

/// The opener's answers and the running copy's lock and doorbell.
Q_DECLARE_LOGGING_CATEGORY(lcDesktop)

/// The requests to wake the computer for the alarm.
Q_DECLARE_LOGGING_CATEGORY(lcWake)
