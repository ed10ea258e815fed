// SPDX-License-Identifier: GPL-3.0-or-later
// DesktopOpener: documents open through the shell's "Open", which answers at once.
#include "DesktopOpener.h"

#include <QDir>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <windows.h>
#include <shellapi.h>

namespace {

std::optional<Opener::Failure> failureOfShellResult(INT_PTR result)
{
    if (result > 32)
        return std::nullopt;
    switch (result) {
    case SE_ERR_NOASSOC:
    case SE_ERR_ASSOCINCOMPLETE:
        return Opener::Failure::NoApplication;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return Opener::Failure::NotFound;
    default:
        return Opener::Failure::Failed;
    }
}

} // namespace

void DesktopOpener::openDocument(const QString &path, QObject *window, Answer answered)
{
    const auto *widget = qobject_cast<QWidget *>(window);
    const HWND owner = widget ? reinterpret_cast<HWND>(widget->window()->winId()) : nullptr;
    const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
    const INT_PTR result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(owner, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    const std::optional<Failure> failure = failureOfShellResult(result);
    // Answered from the event loop, as the other systems' openers are.
    QTimer::singleShot(0, window, [answered = std::move(answered), failure] {
        if (answered)
            answered(failure);
    });
}
