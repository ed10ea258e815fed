// SPDX-License-Identifier: GPL-3.0-or-later
// FileSystemObject: folders may be entered with search permission; the system's own reasons where Qt says only "no".
#include "FileSystemObject.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

bool FileSystemObject::mayEnter(const QString &folder)
{
    return ::access(QFile::encodeName(folder).constData(), X_OK) == 0;
}

FileSystemObject::Unreachable FileSystemObject::unreachable(const QString &path) const
{
    const QByteArray name = QFile::encodeName(m_drives.localPath(path));
    struct stat status {};
    if (path.isEmpty() || ::stat(name.constData(), &status) == 0)
        return Unreachable::Nothing;
    switch (errno) {
    case ELOOP:
        return Unreachable::LinkLoop;
    case ENAMETOOLONG:
        return Unreachable::PathTooLong;
    case ENOENT:
        return ::lstat(name.constData(), &status) == 0 && S_ISLNK(status.st_mode) ? Unreachable::LinkToNothing
                                                                                   : Unreachable::Nothing;
    default:
        return Unreachable::Nothing;
    }
}

bool FileSystemObject::onReadOnlyFileSystem(const QString &localPath)
{
    // The file, or where it would be made.
    const QString existing = QFileInfo::exists(localPath) ? localPath : QFileInfo(localPath).path();
    struct statvfs volume {};
    return ::statvfs(QFile::encodeName(existing).constData(), &volume) == 0 && (volume.f_flag & ST_RDONLY);
}
