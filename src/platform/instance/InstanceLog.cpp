// SPDX-License-Identifier: GPL-3.0-or-later
// InstanceLog: the logging category of the running copy's lock and doorbell.
#include "InstanceLog.h"

Q_LOGGING_CATEGORY(lcInstance, "dorvane.instance")
