// SPDX-License-Identifier: GPL-3.0-or-later
// System: facts about the running process that only the operating system knows.
#pragma once

/// True when the program runs with the superuser's or an administrator's rights.
bool runningAsAdministrator();
