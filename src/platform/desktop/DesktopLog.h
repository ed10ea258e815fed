// SPDX-License-Identifier: GPL-3.0-or-later
// DesktopLog: the logging category of what the program asks of the desktop.
#pragma once

#include <QLoggingCategory>

/// The opener's answers.
Q_DECLARE_LOGGING_CATEGORY(lcDesktop)
