// SPDX-License-Identifier: GPL-3.0-or-later
// FileSystemObject: asks the file system what stands at a path.
#include "FileSystemObject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

bool isSeparator(QChar c)
{
    return c == u'/' || c == QDir::separator();
}

/// The path one step nearer the root: "/a/b" gives "/a", "/a/b/" gives "/a/b", "/" gives nothing.
QString stepUp(const QString &path)
{
    qsizetype end = path.size();
    while (end > 0 && isSeparator(path.at(end - 1)))
        --end;
    // Trailing separators ask for a folder: the name before them is the next thing to look at.
    if (end < path.size())
        return path.left(end);
    qsizetype cut = end - 1;
    while (cut >= 0 && !isSeparator(path.at(cut)))
        --cut;
    if (cut < 0)
        return QString();
    const QString parent = path.left(cut);
    // The root keeps its separator: "/a" gives "/", "C:\a" gives "C:\".
    return std::any_of(parent.cbegin(), parent.cend(), isSeparator) ? parent : path.left(cut + 1);
}

} // namespace

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

FileSystemObject::Obstacle FileSystemObject::obstacleToReading(const QString &path) const
{
    using Kind = Obstacle::Kind;
    const QString local = m_drives.localPath(path);
    const QFileInfo info(local);
    if (info.isFile()) {
        // Opening, not the permission bits: access lists and read-only mounts have their say too.
        QFile file(local);
        if (file.open(QIODevice::ReadOnly))
            return {Kind::None, {}, {}};
        return {Kind::NoReading, {}, file.errorString()};
    }
    if (info.exists())
        return {Kind::NotAFile, {}, {}};
    for (QString up = stepUp(local); !up.isEmpty(); up = stepUp(up)) {
        const QFileInfo above(up);
        if (!above.exists())
            continue;
        if (!above.isDir()) {
            const bool onlySeparatorsAfter = std::all_of(local.cbegin() + up.size(), local.cend(), isSeparator);
            return {onlySeparatorsAfter ? Kind::FileAsFolder : Kind::FileOnPath, up, {}};
        }
        if (!mayEnter(up))
            return {Kind::FolderBarred, up, {}};
        break;
    }
    return {Kind::Nothing, {}, {}};
}
