// SPDX-License-Identifier: GPL-3.0-or-later
// SystemStayAwake: holds the computer awake through the system's own means.
#pragma once

#include "StayAwake.h"

#include <memory>

#ifndef Q_OS_WIN
#include <QDBusConnection>
#endif

/**
 * On Linux a systemd-logind inhibitor (sleep, idle and the lid switch, in
 * block mode), asked for without waiting and held as the file descriptor
 * logind hands out: closing it lets go. Without logind nothing is held, and
 * that is logged once. On Windows a power request that keeps the system
 * running (PowerRequestSystemRequired), whose reason powercfg /requests
 * shows. Released at the latest when this object goes.
 */
class SystemStayAwake final : public StayAwake
{
public:
#ifndef Q_OS_WIN
    /// Asks the logind on @p bus.
    explicit SystemStayAwake(const QDBusConnection &bus = QDBusConnection::systemBus());
#else
    SystemStayAwake();
#endif
    ~SystemStayAwake() override;
    SystemStayAwake(const SystemStayAwake &) = delete;
    SystemStayAwake &operator=(const SystemStayAwake &) = delete;

    void hold(const QString &why) override;
    void release() override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
