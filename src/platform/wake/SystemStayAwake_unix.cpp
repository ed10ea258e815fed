// SPDX-License-Identifier: GPL-3.0-or-later
// SystemStayAwake: on Linux a systemd-logind inhibitor, asked for over D-Bus without waiting.
#include "SystemStayAwake.h"

#include "WakeLog.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QObject>

struct SystemStayAwake::Private {
    explicit Private(const QDBusConnection &connection)
        : bus(connection)
    {
    }

    /// What keeps logind from being asked, said once a run: this is no error on a computer without it.
    void tellNoLogind(const QString &reason)
    {
        if (!std::exchange(toldNoLogind, true))
            qCWarning(lcWake).noquote() << "nothing keeps the computer awake at the alarm: no systemd-logind to ask:" << reason;
    }

    QDBusConnection bus;
    QObject context; ///< ends the wait for an answer when this goes
    bool wanted = false;
    bool pending = false;
    QDBusUnixFileDescriptor inhibitor; ///< logind's hold lasts while this stays open
    bool toldNoLogind = false;
};

SystemStayAwake::SystemStayAwake(const QDBusConnection &bus)
    : d(std::make_unique<Private>(bus))
{
}

SystemStayAwake::~SystemStayAwake() = default;

void SystemStayAwake::hold(const QString &why)
{
    d->wanted = true;
    if (d->inhibitor.isValid() || d->pending)
        return;
    if (!d->bus.isConnected()) {
        d->tellNoLogind(d->bus.lastError().message());
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                                                       QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle:handle-lid-switch") << QStringLiteral("Dorvane") << why << QStringLiteral("block");
    d->pending = true;
    auto *watcher = new QDBusPendingCallWatcher(d->bus.asyncCall(call), &d->context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &d->context, [this](QDBusPendingCallWatcher *answered) {
        // The answer holds the descriptor too: it must go with the watcher.
        answered->deleteLater();
        d->pending = false;
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *answered;
        if (reply.isError()) {
            const QDBusError::ErrorType type = reply.error().type();
            if (type == QDBusError::ServiceUnknown || type == QDBusError::Disconnected || type == QDBusError::NoServer)
                d->tellNoLogind(reply.error().message());
            else
                qCWarning(lcWake).noquote() << "nothing keeps the computer awake at the alarm: systemd-logind refused:"
                                            << reply.error().message();
        } else if (d->wanted) {
            d->inhibitor = reply.value();
            qCInfo(lcWake) << "holding the computer awake";
        }
    });
}

void SystemStayAwake::release()
{
    d->wanted = false;
    if (d->inhibitor.isValid())
        qCInfo(lcWake) << "letting the computer sleep again";
    d->inhibitor = QDBusUnixFileDescriptor();
}
