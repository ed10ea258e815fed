// SPDX-License-Identifier: GPL-3.0-or-later
// DriveMap: where the fixed drive-C paths of the settings files really live.
#include "DriveMap.h"

#include "FullPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

DriveMap::DriveMap(const QString &driveCRoot)
    : m_driveCRoot(QDir::cleanPath(driveCRoot))
{
}

QString DriveMap::localPath(const QString &path) const
{
    if (m_driveCRoot.isEmpty())
        return path;
    const bool onDriveC = path.size() >= 3 && path.at(0).toUpper() == u'C' && path.at(1) == u':'
        && (path.at(2) == u'\\' || path.at(2) == u'/');
    if (!onDriveC)
        return path;
    // The program keeps its own files at the root of drive C. Further down, a
    // path that is a full one on this system is the user's and stays as it
    // is: on Windows the user's files and the temporary folder lie on drive C too.
    const QStringView below = QStringView(path).sliced(3);
    if ((below.contains(u'\\') || below.contains(u'/')) && IsFullPath(path))
        return path;
    // Built part by part, so that ".." cannot climb out of the root. Split by
    // hand: a regular expression matches nothing in text that is not valid
    // UTF-16, and a lone surrogate would have kept every ".." in place.
    QStringList parts;
    for (const QString &part : path.sliced(3).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts)) {
        if (part == u"..") {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (part != u".") {
            parts.append(part);
        }
    }
    return m_driveCRoot + u'/' + parts.join(u'/');
}

bool DriveMap::prepareFolderFor(const QString &localPath, QString *error) const
{
    if (m_driveCRoot.isEmpty() || !localPath.startsWith(m_driveCRoot + u'/'))
        return true;
    if (QFileInfo(m_driveCRoot).isDir())
        return true;
    // The settings are the user's alone; the folders above it are not Dorvane's to decide.
    if (QDir().mkpath(QFileInfo(m_driveCRoot).path())
        && QDir().mkdir(m_driveCRoot, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return true;
    // Name the culprit: most often a file stands where a folder should be.
    for (QString folder = m_driveCRoot; !folder.isEmpty(); folder = QFileInfo(folder).path()) {
        const QFileInfo info(folder);
        if (info.exists() && !info.isDir()) {
            *error = DriveMap::tr("%1 is a file, not a folder").arg(QDir::toNativeSeparators(folder));
            return false;
        }
        if (info.exists() || info.isRoot())
            break;
    }
    *error = DriveMap::tr("the folder %1 could not be created").arg(QDir::toNativeSeparators(m_driveCRoot));
    return false;
}
