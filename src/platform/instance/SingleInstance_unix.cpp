// SPDX-License-Identifier: GPL-3.0-or-later
// SingleInstance: on Unix the running copy locks its settings folder and answers on a socket named after it.
#include "SingleInstance.h"

#include "InstanceLog.h"
#include "ProcTables.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>

#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstring>
#include <optional>
#include <fcntl.h>
#include <poll.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr char showRequest[] = "show\n";
constexpr char shownAnswer[] = "shown\n";

// How often the running copy looks whether its settings folder was made anew.
constexpr int followMs = 2000;

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
        // Made here rather than by mkpath, so that a failure leaves the system's
        // own reason in errno; private, as other accounts have no business in it.
        if (::mkdir(name.constData(), 0700) == 0 || errno == EEXIST)
            folder = ::open(name.constData(), flags);
    }
    return folder;
}

/// The account @p uid, by name where it has one.
QString accountName(uid_t uid)
{
    passwd entry{};
    passwd *found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(uid, &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QFile::decodeName(found->pw_name);
    return QString::number(uid);
}

/// Who holds the flock on @p folder, as far as the system tells.
std::optional<uid_t> lockHolder(const struct stat &folder)
{
    const std::optional<qint64> pid = ProcTables::flockHolder(ProcTables::read("/proc/locks"), major(folder.st_dev),
                                                              minor(folder.st_dev), folder.st_ino);
    if (!pid)
        return std::nullopt;
    const std::optional<uint> uid =
        ProcTables::effectiveUid(ProcTables::read(QByteArray("/proc/" + QByteArray::number(*pid) + "/status").constData()));
    return uid ? std::optional<uid_t>(*uid) : std::nullopt;
}

/// The folder's canonical path, hashed: the same settings by name, for a doorbell's name.
QByteArray keyOfPath(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return QCryptographicHash::hash((canonical.isEmpty() ? folder : canonical).toUtf8(), QCryptographicHash::Sha256)
        .toHex()
        .left(16);
}

/// Whether the process at the other end of @p socket runs as this user.
bool fromThisUser(int socket)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
}

sockaddr_un abstractAddress(const QByteArray &name, socklen_t *size)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const size_t length = qMin(size_t(name.size()), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, name.constData(), length); // sun_path[0] stays 0: the abstract namespace
    *size = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + length);
    return address;
}

/// A connection to the listening socket @p name; -1 when none takes it at once.
int connectTo(const QByteArray &name)
{
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    socklen_t size = 0;
    const sockaddr_un address = abstractAddress(name, &size);
    // A local connect never waits; one whose queue is full fails at once, so nobody can hold a start up that way.
    if (socket == -1 || ::connect(socket, reinterpret_cast<const sockaddr *>(&address), size) == 0)
        return socket;
    ::close(socket);
    return -1;
}

/// A socket listening on @p name; -1 when the name is taken or no socket can be made.
int listenOn(const QByteArray &name)
{
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    socklen_t size = 0;
    const sockaddr_un address = abstractAddress(name, &size);
    if (socket != -1 && ::bind(socket, reinterpret_cast<const sockaddr *>(&address), size) == 0 && ::listen(socket, 16) == 0)
        return socket;
    if (socket != -1)
        ::close(socket);
    return -1;
}

/// Reads the answer to a ring from @p socket: true for "shown".
bool answeredShown(int socket, const QDeadlineTimer &deadline)
{
    QByteArray answer;
    while (!answer.contains('\n')) {
        pollfd ready{socket, POLLIN, 0};
        if (::poll(&ready, 1, remainingMs(deadline)) <= 0)
            return false;
        char buffer[64];
        const ssize_t got = ::read(socket, buffer, sizeof buffer);
        if (got <= 0)
            return false;
        answer.append(buffer, got);
    }
    return answer == shownAnswer;
}

} // namespace

struct SingleInstance::System {
    int folder = -1;    // the settings folder
    bool locked = false; // by this copy, which runs for it
    struct stat id {};  // of that folder, to see whether its path still leads there
    QByteArray pathKey;
    QPointer<QLocalServer> doorbell;
    QTimer follow;

    ~System()
    {
        if (folder != -1)
            ::close(folder);
    }

    // A later start meets this copy by either: the folder on disk, however it
    // is named, or its canonical path, whichever folder now stands there. The
    // random end keeps anyone from taking the name before this copy does.
    QByteArray doorbellName() const
    {
        return QByteArray("dorvane-") + pathKey + '-' + QByteArray::number(quint64(id.st_dev), 16) + '-'
            + QByteArray::number(quint64(id.st_ino), 16) + '-'
            + QByteArray::number(QRandomGenerator::system()->generate64(), 16);
    }

    bool meets(const QByteArray &name) const
    {
        const QList<QByteArray> part = name.split('-');
        return part.size() == 5 && part.at(0) == "dorvane"
            && (part.at(1) == pathKey
                || (part.at(2) == QByteArray::number(quint64(id.st_dev), 16)
                    && part.at(3) == QByteArray::number(quint64(id.st_ino), 16)));
    }

    /**
     * A connection to the doorbell of a copy of this user's for these settings:
     * -1 when there is none, nothing when the system's table of sockets cannot
     * be read (no /proc), so that nobody can tell.
     */
    std::optional<int> callOwnCopy() const
    {
        const QByteArray sockets = ProcTables::read("/proc/net/unix");
        if (sockets.isEmpty())
            return std::nullopt;
        for (const QByteArray &name : ProcTables::abstractNames(sockets)) {
            if (!meets(name))
                continue;
            const int socket = connectTo(name);
            // Anyone may make a socket of that name and answer "shown"; only the user's own copy counts.
            if (socket != -1 && fromThisUser(socket))
                return socket;
            if (socket != -1)
                ::close(socket);
        }
        return -1;
    }
};

SingleInstance::SingleInstance(const QString &settingsFolder, QObject *parent)
    : QObject(parent)
    , m_settingsFolder(QDir::cleanPath(settingsFolder))
    , m_system(std::make_unique<System>())
{
    m_system->follow.setInterval(followMs);
    connect(&m_system->follow, &QTimer::timeout, this, &SingleInstance::followFolder);
}

SingleInstance::~SingleInstance() = default;

// The lock is the settings folder itself: every start reaches the same folder
// on disk, through whichever link or environment, and locking it makes no file
// that a read-only or full disk could refuse. The system lets go of it when
// the process ends, however it ends. Anyone who may read the folder may lock
// it too, so whose the lock is comes from the system's table of locks.
SingleInstance::Lock SingleInstance::takeLock()
{
    if (m_system->folder == -1) {
        const int folder = openFolder(m_settingsFolder);
        if (folder == -1 || ::fstat(folder, &m_system->id) != 0) {
            const int error = errno;
            if (folder != -1)
                ::close(folder);
            m_problem = {m_settingsFolder, qt_error_string(error)};
            return Lock::Unavailable;
        }
        m_system->folder = folder;
        m_system->pathKey = keyOfPath(m_settingsFolder);
    }
    if (m_system->id.st_uid != ::geteuid()) {
        m_problem = {m_settingsFolder, tr("it belongs to another account, %1").arg(accountName(m_system->id.st_uid))};
        return Lock::Foreign;
    }
    if (::flock(m_system->folder, LOCK_EX | LOCK_NB) == 0) {
        // A copy whose folder was made anew since it started holds the old
        // one's lock; it still runs for these settings.
        const int socket = m_system->callOwnCopy().value_or(-1);
        if (socket == -1) {
            m_system->locked = true;
            return Lock::Taken;
        }
        ::close(socket);
        ::flock(m_system->folder, LOCK_UN);
        return Lock::Held;
    }
    if (errno != EWOULDBLOCK) {
        m_problem = {m_settingsFolder, qt_error_string(errno)};
        return Lock::Unavailable;
    }
    const std::optional<uid_t> holder = lockHolder(m_system->id);
    if (holder && *holder != ::geteuid()) {
        m_problem = {m_settingsFolder, tr("another account, %1, holds its lock").arg(accountName(*holder))};
        return Lock::Foreign;
    }
    return Lock::Held;
}

SingleInstance::Ring SingleInstance::ring(const QDeadlineTimer &deadline)
{
    const std::optional<int> called = m_system->callOwnCopy();
    if (!called)
        return Ring::Silent;
    const int socket = *called;
    if (socket == -1)
        return Ring::NoCopy;
    // The system takes the call even for a copy that is frozen or hangs: only
    // the copy's own answer says that its window came to the front.
    // A copy that ends just then must not take this one with it (SIGPIPE).
    const bool shown = ::send(socket, showRequest, sizeof showRequest - 1, MSG_NOSIGNAL) == qint64(sizeof showRequest - 1)
        && answeredShown(socket, deadline);
    ::close(socket);
    return shown ? Ring::Shown : Ring::Silent;
}

void SingleInstance::answerRings()
{
    // A name in the abstract namespace: no file to make, find or leave behind,
    // whatever the environment, and the system removes it with the process.
    const QByteArray name = m_system->doorbellName();
    const int socket = listenOn(name);
    auto *server = new QLocalServer(this);
    if (socket == -1 || !server->listen(qintptr(socket))) {
        // The alarm still works; only a later start cannot bring this window forward.
        qCWarning(lcInstance).noquote() << "no doorbell for later starts at" << name << ':'
                                       << (socket == -1 ? qt_error_string(errno) : server->errorString());
        if (socket != -1)
            ::close(socket);
        delete server;
        return;
    }
    if (m_system->doorbell)
        m_system->doorbell->deleteLater();
    m_system->doorbell = server;
    if (m_system->locked)
        m_system->follow.start();
    connect(server, &QLocalServer::newConnection, this, [this, server] {
        while (QLocalSocket *socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            // Such a name has no permissions: anyone on this computer may call it.
            // Showing the window hands it the keyboard, so only the user's own starts may.
            if (!fromThisUser(int(socket->socketDescriptor()))) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->canReadLine() && socket->readLine() == showRequest) {
                    emit showRequested();
                    socket->write(shownAnswer);
                    socket->flush();
                    // The start that rang may have found the folder made anew.
                    followFolder();
                }
            });
        }
    });
}

// A folder made anew (a backup restored, a sync tool's copy) is another
// folder on disk: this copy moves its lock and its doorbell there, so that
// starts that reach the new folder by another name meet it too.
void SingleInstance::followFolder()
{
    struct stat now {};
    if (::stat(QFile::encodeName(m_settingsFolder).constData(), &now) != 0 || !S_ISDIR(now.st_mode)
        || (now.st_dev == m_system->id.st_dev && now.st_ino == m_system->id.st_ino))
        return;
    const int folder = ::open(QFile::encodeName(m_settingsFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat id {};
    // Held already (the start that rang is still ending), or not this user's: the next look tries again.
    if (folder == -1 || ::fstat(folder, &id) != 0 || id.st_uid != ::geteuid() || ::flock(folder, LOCK_EX | LOCK_NB) != 0) {
        if (folder != -1)
            ::close(folder);
        return;
    }
    ::close(m_system->folder);
    m_system->folder = folder;
    m_system->id = id;
    m_system->pathKey = keyOfPath(m_settingsFolder);
    qCInfo(lcInstance).noquote() << "the settings folder" << m_settingsFolder << "was made anew; its lock moved with it";
    answerRings();
}
