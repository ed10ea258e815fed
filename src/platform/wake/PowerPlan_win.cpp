// SPDX-License-Identifier: GPL-3.0-or-later
// PowerPlan: whether Windows' active power plan lets timers wake the computer.
#include "PowerPlan_win.h"

#include <powrprof.h>

namespace {

// GUID_SLEEP_SUBGROUP and GUID_ALLOW_RTC_WAKE ("Allow wake timers"), which not every SDK defines.
constexpr GUID sleepSubgroup = {0x238C9FA8, 0x0AAD, 0x41ED, {0x83, 0xF4, 0x97, 0xBE, 0x24, 0x2C, 0x8F, 0x20}};
constexpr GUID allowWakeTimers = {0xBD3B718A, 0x0680, 0x4D9D, {0x8A, 0xB2, 0xE1, 0xD2, 0xB4, 0xAC, 0x80, 0x6D}};

/// Only "Enable" lets an application's timer wake the computer; a value the
/// system may add later is not held against it.
bool forbids(const std::optional<DWORD> &value)
{
    return value && (*value == 0 || *value == 2);
}

} // namespace

PowerPlan::Reading PowerPlan::read()
{
    Reading reading;
    GUID *scheme = nullptr;
    if (PowerGetActiveScheme(nullptr, &scheme) != ERROR_SUCCESS || !scheme)
        return reading;
    DWORD value = 0;
    if (PowerReadACValueIndex(nullptr, scheme, &sleepSubgroup, &allowWakeTimers, &value) == ERROR_SUCCESS)
        reading.pluggedIn = value;
    if (PowerReadDCValueIndex(nullptr, scheme, &sleepSubgroup, &allowWakeTimers, &value) == ERROR_SUCCESS)
        reading.onBattery = value;
    LocalFree(scheme);
    SYSTEM_POWER_STATUS status = {};
    // 128: no battery; 255: unknown.
    reading.hasBattery = GetSystemPowerStatus(&status) && status.BatteryFlag != 255 && !(status.BatteryFlag & 128);
    return reading;
}

QString PowerPlan::obstacle(const Reading &reading)
{
    const bool pluggedIn = forbids(reading.pluggedIn);
    const bool onBattery = reading.hasBattery && forbids(reading.onBattery);
    if (pluggedIn && (onBattery || !reading.hasBattery))
        return tr("Windows' power plan does not let timers wake this computer (in Power Options, under Change advanced "
                  "power settings, set Sleep, Allow wake timers to Enable)");
    if (pluggedIn)
        return tr("Windows' power plan does not let timers wake this computer while it is plugged in (in Power Options, "
                  "under Change advanced power settings, set Sleep, Allow wake timers, Plugged in to Enable)");
    if (onBattery)
        return tr("Windows' power plan does not let timers wake this computer while it runs on battery (in Power "
                  "Options, under Change advanced power settings, set Sleep, Allow wake timers, On battery to Enable)");
    return QString();
}
