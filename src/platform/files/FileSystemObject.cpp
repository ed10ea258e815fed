// SPDX-License-Identifier: GPL-3.0-or-later
// FileSystemObject: asks the file system what stands at a path.
#include "FileSystemObject.h"

#include <QFileInfo>

bool FileSystemObject::FileExists(const QString &path) const
{
    if (path.isEmpty())
        return false;
    return QFileInfo(m_drives.localPath(path)).isFile();
}

bool FileSystemObject::Exists(const QString &path) const
{
    return !path.isEmpty() && QFileInfo::exists(m_drives.localPath(path));
}
