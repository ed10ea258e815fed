// SPDX-License-Identifier: GPL-3.0-or-later
// PowerPlan: whether Windows' active power plan lets timers wake the computer.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

#include <windows.h>

/// The plan's setting "Allow wake timers", read from the system or handed in by a test.
class PowerPlan
{
    Q_DECLARE_TR_FUNCTIONS(PowerPlan)

public:
    /// What the active plan says, for each power source, where it could be read:
    /// 0 disabled, 1 enabled, 2 important wake timers only (the system's own).
    struct Reading {
        std::optional<DWORD> pluggedIn;
        std::optional<DWORD> onBattery;
        bool hasBattery = false;
    };

    /// The active plan's setting now.
    static Reading read();

    /// Why @p reading keeps Dorvane's timer from waking the computer; empty when
    /// it does not, or cannot be told.
    static QString obstacle(const Reading &reading);
};
