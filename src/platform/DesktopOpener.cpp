// SPDX-License-Identifier: GPL-3.0-or-later
// DesktopOpener: opens documents and addresses through the desktop environment.
#include "DesktopOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

bool DesktopOpener::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(documentUrl(path));
}

bool DesktopOpener::openAddress(const QUrl &address)
{
    return QDesktopServices::openUrl(address);
}

QUrl DesktopOpener::documentUrl(const QString &path)
{
    // A path joined onto a root folder starts with a doubled separator
    // ("//song.mp3"), which QUrl would read as a network host; cleaning it
    // first keeps it the local file it names.
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    return QUrl::fromLocalFile(QFileInfo(clean).absoluteFilePath());
}
