// SPDX-License-Identifier: GPL-3.0-or-later
// InstanceLog: the logging category of the running copy's lock and doorbell.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcInstance)
