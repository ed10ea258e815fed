// SPDX-License-Identifier: GPL-3.0-or-later
// System: facts about the running process, on Unix.
#include "System.h"

#include <unistd.h>

bool runningAsAdministrator()
{
    return geteuid() == 0;
}
