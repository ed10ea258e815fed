// SPDX-License-Identifier: GPL-3.0-or-later
// DesktopLog: the logging categories of what the program asks of the desktop and the system.
#include "DesktopLog.h"

Q_LOGGING_CATEGORY(lcDesktop, "dorvane.desktop")
Q_LOGGING_CATEGORY(lcWake, "dorvane.wake")
