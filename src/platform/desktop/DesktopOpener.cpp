// SPDX-License-Identifier: GPL-3.0-or-later
// DesktopOpener: opens web addresses, the same way on every system.
#include "DesktopOpener.h"

#include <QDesktopServices>

void DesktopOpener::openAddress(const QUrl &address)
{
    QDesktopServices::openUrl(address);
}

std::optional<Opener::Failure> DesktopOpener::failureOfExitCode(int code)
{
    // xdg-open: 0 success, 1 syntax, 2 file missing, 3 no method (nothing
    // handles the file's type), 4 the action failed, 5 no permission.
    switch (code) {
    case 0:
        return std::nullopt;
    case 2:
        return Failure::NotFound;
    case 3:
        return Failure::NoApplication;
    case 5:
        return Failure::NoPermission;
    default:
        return Failure::Failed;
    }
}
