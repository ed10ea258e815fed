// SPDX-License-Identifier: GPL-3.0-or-later
// DesktopOpener: documents open through the shell's "Open", in a thread of its own.
#include "DesktopOpener.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

namespace {

/// What the shell's answer to "Open" means for the user.
std::optional<Opener::Failure> failureOfShellAnswer(bool succeeded, DWORD error, INT_PTR shellCode, const QString &path)
{
    if (succeeded)
        return std::nullopt;
    if (error == ERROR_NO_ASSOCIATION || shellCode == SE_ERR_NOASSOC || shellCode == SE_ERR_ASSOCINCOMPLETE)
        return Opener::Failure::NoApplication;
    // The same answer comes when the application set up for the type is gone:
    // only a document that is gone itself is "not found".
    if ((error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) && !QFileInfo::exists(path))
        return Opener::Failure::NotFound;
    return Opener::Failure::Failed;
}

/// Asks the shell to open a document and waits for its answer. The shell may
/// take its time (a handler that starts slowly, a server that does not
/// answer), so this runs in a thread of its own, never in the window's.
std::optional<Opener::Failure> openWithShell(const QString &path)
{
    // The shell's handlers may be COM objects, which want an apartment.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    // No dialogs of the shell's own (the program tells the user itself), and
    // the thread waits for the shell to finish before it ends.
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    const bool succeeded = ShellExecuteExW(&info);
    const DWORD error = succeeded ? ERROR_SUCCESS : GetLastError();
    if (SUCCEEDED(com))
        CoUninitialize();
    return failureOfShellAnswer(succeeded, error, reinterpret_cast<INT_PTR>(info.hInstApp), path);
}

/// One opening on its way; it deletes itself once the shell has answered.
class PendingOpening final : public QObject
{
public:
    PendingOpening(QObject *window, Opener::Answer answered)
        : m_window(window)
        , m_answered(std::move(answered))
    {
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, [this] { answer(std::nullopt); });
    }

    void start(const QString &path, int answerWithinMs)
    {
        auto *thread = QThread::create([this, path] { m_failure = openWithShell(path); });
        thread->setParent(this);
        // Queued to this object's thread: the answer comes from the event loop.
        connect(thread, &QThread::finished, this, [this] {
            answer(m_failure);
            deleteLater();
        });
        thread->start();
        m_deadline.start(answerWithinMs);
    }

private:
    void answer(std::optional<Opener::Failure> failure)
    {
        m_deadline.stop();
        if (m_answered && m_window)
            m_answered(failure);
        m_answered = nullptr;
    }

    QPointer<QObject> m_window;
    Opener::Answer m_answered;
    QTimer m_deadline;
    std::optional<Opener::Failure> m_failure;
};

} // namespace

void DesktopOpener::openDocument(const QString &path, QObject *window, Answer answered)
{
    // Owned by nobody: closing the window must not cut the opening short.
    // A shell still busy after the deadline is busy starting the application
    // (a handler that talks to one already running), so it counts as opened.
    auto *opening = new PendingOpening(window, std::move(answered));
    opening->start(path, m_answerWithinMs);
}
