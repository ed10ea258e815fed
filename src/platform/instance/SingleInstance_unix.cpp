// SPDX-License-Identifier: GPL-3.0-or-later
// SingleInstance: on Unix the running copy locks its settings folder and answers on a socket named after it.
#include "SingleInstance.h"

#include "InstanceLog.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char showRequest[] = "show\n";
constexpr char shownAnswer[] = "shown\n";

int remainingMs(const QDeadlineTimer &deadline)
{
    return int(qBound(qint64(0), deadline.remainingTime(), qint64(INT_MAX)));
}

/// The settings folder, opened to be locked; made first if it is missing, as saving would.
int openFolder(const QString &path)
{
    constexpr int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC; // a song player started later must not inherit the lock
    const QByteArray name = QFile::encodeName(path);
    int folder = ::open(name.constData(), flags);
    if (folder == -1 && errno == ENOENT) {
        QDir().mkpath(QFileInfo(path).path());
        // Made here rather than by mkpath, so that a failure leaves the system's own reason in errno.
        if (::mkdir(name.constData(), 0777) == 0 || errno == EEXIST)
            folder = ::open(name.constData(), flags);
    }
    return folder;
}

/// Whether the other end of @p socket runs as this user.
bool fromThisUser(const QLocalSocket &socket)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0
        && peer.uid == ::geteuid();
}

} // namespace

struct SingleInstance::System {
    int folder = -1;  // the settings folder, locked while this copy runs
    QString doorbell; // named after the folder on disk, not after a path to it

    ~System()
    {
        if (folder != -1)
            ::close(folder);
    }
};

SingleInstance::SingleInstance(const QString &settingsFolder, QObject *parent)
    : QObject(parent)
    , m_settingsFolder(QDir::cleanPath(settingsFolder))
    , m_system(std::make_unique<System>())
{
}

SingleInstance::~SingleInstance() = default;

// The lock is the settings folder itself: every start reaches the same folder
// on disk, through whichever link or environment, and locking it makes no file
// that a read-only or full disk could refuse. The system lets go of it when
// the process ends, however it ends.
SingleInstance::Lock SingleInstance::takeLock()
{
    if (m_system->folder == -1) {
        const int folder = openFolder(m_settingsFolder);
        struct stat status {};
        if (folder == -1 || ::fstat(folder, &status) != 0) {
            const int error = errno;
            if (folder != -1)
                ::close(folder);
            m_problem = {m_settingsFolder, qt_error_string(error)};
            return Lock::Unavailable;
        }
        m_system->folder = folder;
        m_system->doorbell = QStringLiteral("dorvane-%1-%2")
                                 .arg(quint64(status.st_dev), 0, 16)
                                 .arg(quint64(status.st_ino), 0, 16);
    }
    if (::flock(m_system->folder, LOCK_EX | LOCK_NB) == 0)
        return Lock::Taken;
    if (errno == EWOULDBLOCK)
        return Lock::Held;
    m_problem = {m_settingsFolder, qt_error_string(errno)};
    return Lock::Unavailable;
}

bool SingleInstance::ring(const QDeadlineTimer &deadline)
{
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(m_system->doorbell);
    if (!socket.waitForConnected(remainingMs(deadline)))
        return false;
    socket.write(showRequest);
    socket.flush();
    // The system takes the call even for a copy that is frozen or hangs: only
    // the copy's own answer says that its window came to the front.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(remainingMs(deadline)))
            return false;
    }
    return socket.readLine() == shownAnswer;
}

void SingleInstance::answerRings()
{
    // A name in the abstract namespace: no file to make, find or leave behind,
    // whatever the environment, and the system removes it with the process.
    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    if (!server->listen(m_system->doorbell)) {
        // The alarm still works; only a later start cannot bring this window forward.
        qCWarning(lcInstance).noquote() << "no doorbell for later starts at" << m_system->doorbell << ':'
                                       << server->errorString();
        return;
    }
    connect(server, &QLocalServer::newConnection, this, [this, server] {
        while (QLocalSocket *socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            // Such a name has no permissions: anyone on this computer may call it.
            // Showing the window hands it the keyboard, so only the user's own starts may.
            if (!fromThisUser(*socket)) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->canReadLine() && socket->readLine() == showRequest) {
                    emit showRequested();
                    socket->write(shownAnswer);
                }
            });
        }
    });
}
