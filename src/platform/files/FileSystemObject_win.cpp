// SPDX-License-Identifier: GPL-3.0-or-later
// FileSystemObject: a folder that can be seen can be entered; opening a file tells the rest.
#include "FileSystemObject.h"

#include <QFileInfo>

bool FileSystemObject::mayEnter(const QString &)
{
    return true;
}

FileSystemObject::Unreachable FileSystemObject::unreachable(const QString &path) const
{
    // Qt reaches long paths here by itself; a link that leads nowhere is all that can stand unseen.
    const QFileInfo info(m_drives.localPath(path));
    return !path.isEmpty() && info.isSymLink() && !info.exists() ? Unreachable::LinkToNothing : Unreachable::Nothing;
}

bool FileSystemObject::onReadOnlyFileSystem(const QString &)
{
    // Not told apart here: the notice keeps the reason Qt gives.
    return false;
}
