// SPDX-License-Identifier: GPL-3.0-or-later
// DesktopLog: the logging category of what the program asks of the desktop.
#include "DesktopLog.h"

Q_LOGGING_CATEGORY(lcDesktop, "dorvane.desktop")
