// SPDX-License-Identifier: GPL-3.0-or-later
// FileSystemObject: asks the file system whether a file is there.
#include "FileSystemObject.h"

#include <QFileInfo>

bool FileSystemObject::FileExists(const QString &path) const
{
    if (path.isEmpty())
        return false;
    return QFileInfo(m_drives.localPath(path)).isFile();
}
