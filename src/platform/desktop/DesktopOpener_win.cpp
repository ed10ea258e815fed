// SPDX-License-Identifier: GPL-3.0-or-later
// DesktopOpener: documents open through the shell's "Open", in a thread of its own.
#include "DesktopOpener.h"

#include "PendingOpening.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <memory>

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

} // namespace

void DesktopOpener::openDocument(const QString &path, QObject *window, Answer answered)
{
    auto *opening = new PendingOpening(window, std::move(answered), m_answerWithinMs);
    auto failure = std::make_shared<std::optional<Opener::Failure>>();
    QThread *thread = QThread::create([path, failure] { *failure = openWithShell(path); });
    thread->setParent(opening);
    // Queued to the opening's thread: the answer comes from the event loop.
    QObject::connect(thread, &QThread::finished, opening, [opening, failure] { opening->finish(*failure); });
    thread->start();
}
