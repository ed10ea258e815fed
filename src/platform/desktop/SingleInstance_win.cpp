// SPDX-License-Identifier: GPL-3.0-or-later
// SingleInstance: on Windows the running copy waits on a named event of the user's session.
#include "SingleInstance.h"

#include <QDir>
#include <QWinEventNotifier>

#include <windows.h>

namespace {

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

QString SingleInstance::lockFile(const QString &key)
{
    return QDir::tempPath() + QStringLiteral("/dorvane-") + key + QStringLiteral(".lock");
}

bool SingleInstance::ring(int)
{
    // No event yet: the running copy is still starting, and the caller rings again.
    const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, eventName(m_key).c_str());
    if (!event)
        return false;
    // Windows lets only the program the user just started take the
    // foreground; this copy hands that right on to the one that shows itself.
    AllowSetForegroundWindow(ASFW_ANY);
    const bool rung = SetEvent(event);
    CloseHandle(event);
    return rung;
}

void SingleInstance::answerRings()
{
    // Auto-reset: every ring wakes the running copy once.
    const HANDLE event = CreateEventW(nullptr, FALSE, FALSE, eventName(m_key).c_str());
    if (!event)
        return;
    auto *doorbell = new Doorbell(event, this);
    connect(&doorbell->notifier(), &QWinEventNotifier::activated, this, &SingleInstance::showRequested);
}
