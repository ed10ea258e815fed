// SPDX-License-Identifier: GPL-3.0-or-later
// System: facts about the running process, on Windows.
#include "System.h"

bool runningAsAdministrator()
{
    // The web engine's sandbox works for administrators on Windows.
    return false;
}
