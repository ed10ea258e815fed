// SPDX-License-Identifier: GPL-3.0-or-later
// SingleInstance: on Windows the later copy brings the running copy's window forward itself.
#include "SingleInstance.h"

#include <QDir>

#include <windows.h>

QString SingleInstance::lockFile(const QString &key)
{
    return QDir::tempPath() + QStringLiteral("/dorvane-") + key + QStringLiteral(".lock");
}

bool SingleInstance::ring(int)
{
    // A copy that the user just started may hand the foreground to another
    // window; the running copy's window is the one titled as the program.
    const HWND window = FindWindowW(nullptr, L"Dorvane");
    if (!window)
        return false;
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window);
    return true;
}

void SingleInstance::answerRings()
{
    // Nothing to listen for: the later copy does the showing.
}
