// SPDX-License-Identifier: GPL-3.0-or-later
// SingleInstance: on Unix the running copy listens on a local socket in the user's runtime folder.
#include "SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QStandardPaths>

namespace {

Q_LOGGING_CATEGORY(lcDesktop, "dorvane.desktop")

constexpr char showRequest[] = "show\n";

// Unlike /tmp, the runtime folder is the user's alone, and no cleaner ages
// away the files of a program that has run for weeks.
QString place(const QString &key)
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/dorvane-") + key;
}

} // namespace

QString SingleInstance::lockFile(const QString &key)
{
    return place(key) + QStringLiteral(".lock");
}

bool SingleInstance::ring(int waitMs)
{
    QLocalSocket socket;
    socket.connectToServer(place(m_key) + QStringLiteral(".socket"));
    if (!socket.waitForConnected(waitMs))
        return false;
    socket.write(showRequest);
    socket.waitForBytesWritten(waitMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::answerRings()
{
    const QString name = place(m_key) + QStringLiteral(".socket");
    auto *server = new QLocalServer(this);
    // Holding the lock makes this copy the only rightful listener: a socket
    // that a crashed copy left under that name goes with it.
    QLocalServer::removeServer(name);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        // The alarm still works; only a later start cannot bring this window forward.
        qCWarning(lcDesktop).noquote() << "no doorbell for later starts at" << name << ':' << server->errorString();
        return;
    }
    connect(server, &QLocalServer::newConnection, this, [this, server] {
        while (QLocalSocket *socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->canReadLine() && socket->readLine() == showRequest)
                    emit showRequested();
            });
        }
    });
}
