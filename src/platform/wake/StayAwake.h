// SPDX-License-Identifier: GPL-3.0-or-later
// StayAwake: keeps the computer from going back to sleep while the alarm is played.
#pragma once

#include <QString>

/**
 * A computer woken by a timer goes back to sleep when nobody seems to use it:
 * a closed lid, an idle desktop, a power plan. While the alarm is due and
 * its file is being opened, it is held awake.
 */
class StayAwake
{
public:
    virtual ~StayAwake() = default;

    /**
     * Keeps the computer from sleeping, from idling into sleep and from
     * sleeping at a closed lid until release(); @p why is what the desktop
     * shows in its list of what delays sleep. Holding again while held is
     * the same hold.
     */
    virtual void hold(const QString &why) = 0;

    /// Lets the computer sleep again; nothing while not held.
    virtual void release() = 0;
};
