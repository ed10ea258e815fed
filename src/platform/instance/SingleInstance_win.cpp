// SPDX-License-Identifier: GPL-3.0-or-later
// SingleInstance: on Windows the running copy waits on a named event of the user's session.
#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryFile>
#include <QWinEventNotifier>

#include <windows.h>

namespace {

// The same folder however it is named: where it exists, links and the case of
// its letters are resolved.
QString keyOf(const QString &settingsFolder)
{
    const QFileInfo folder(settingsFolder);
    const QString canonical = folder.canonicalFilePath();
    const QByteArray path = (canonical.isEmpty() ? QDir::cleanPath(folder.absoluteFilePath()) : canonical).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(20));
}

/// Why the lock file at @p path could not be made.
QString whyNotMade(const QString &path)
{
    const QFileInfo lock(path);
    if (lock.exists() && !lock.isFile())
        return SingleInstance::tr("something that is not a lock file stands in its place");
    // QLockFile keeps the reason to itself; a file made beside it meets the same one.
    QTemporaryFile probe(lock.path() + QStringLiteral("/dorvane-XXXXXX"));
    if (!probe.open())
        return probe.errorString();
    return SingleInstance::tr("it cannot be made");
}

// "Local\": the user's own session, so other users' copies keep their own.
std::wstring eventName(const QString &key)
{
    return (QStringLiteral("Local\\dorvane-") + key).toStdWString();
}

/// The running copy's doorbell: an event that a later copy sets.
class Doorbell final : public QObject
{
public:
    Doorbell(HANDLE event, QObject *parent)
        : QObject(parent)
        , m_event(event)
        , m_notifier(event, this)
    {
    }
    ~Doorbell() override
    {
        m_notifier.setEnabled(false);
        CloseHandle(m_event);
    }

    QWinEventNotifier &notifier() { return m_notifier; }

private:
    HANDLE m_event;
    QWinEventNotifier m_notifier;
};

} // namespace

struct SingleInstance::System {
    explicit System(const QString &key)
        : key(key)
        , lockPath(QDir::tempPath() + QStringLiteral("/dorvane-") + key + QStringLiteral(".lock"))
        , lock(lockPath)
    {
        // Held for as long as the program runs: age alone must never make it
        // stale, only the death of the process that holds it.
        lock.setStaleLockTime(0);
    }

    const QString key;
    const QString lockPath;
    QLockFile lock;
};

SingleInstance::SingleInstance(const QString &settingsFolder, QObject *parent)
    : QObject(parent)
    , m_settingsFolder(settingsFolder)
    , m_system(std::make_unique<System>(keyOf(settingsFolder)))
{
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Lock SingleInstance::takeLock()
{
    if (m_system->lock.tryLock(0))
        return Lock::Taken;
    // Windows answers "access denied" for a folder that may not be written
    // too: only a lock file that is there belongs to a running copy.
    if (m_system->lock.error() == QLockFile::LockFailedError && QFileInfo(m_system->lockPath).isFile())
        return Lock::Held;
    m_problem = {m_system->lockPath, whyNotMade(m_system->lockPath)};
    return Lock::Unavailable;
}

SingleInstance::Ring SingleInstance::ring(const QDeadlineTimer &)
{
    // No event yet: the running copy is still starting, and the caller rings
    // again. The event lives in the user's own session, so whoever holds the
    // lock file cannot be told apart from a copy that does not answer.
    const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, eventName(m_system->key).c_str());
    if (!event)
        return Ring::Silent;
    // Windows lets only the program the user just started take the
    // foreground; this copy hands that right on to the one that shows itself.
    AllowSetForegroundWindow(ASFW_ANY);
    const bool rung = SetEvent(event);
    CloseHandle(event);
    return rung ? Ring::Shown : Ring::Silent;
}

void SingleInstance::answerRings()
{
    // Auto-reset: every ring wakes the running copy once.
    const HANDLE event = CreateEventW(nullptr, FALSE, FALSE, eventName(m_system->key).c_str());
    if (!event)
        return;
    auto *doorbell = new Doorbell(event, this);
    connect(&doorbell->notifier(), &QWinEventNotifier::activated, this, &SingleInstance::showRequested);
}

void SingleInstance::followFolder()
{
    // The lock file is named after the folder's path: a folder made anew keeps it.
}
