// SPDX-License-Identifier: GPL-3.0-or-later
// DriveMap: where the fixed drive-C paths of the settings files really live.
#include "DriveMap.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QRegularExpression>

DriveMap::DriveMap(const QString &driveCRoot)
    : m_driveCRoot(QDir::cleanPath(driveCRoot))
{
}

QString DriveMap::localPath(const QString &path) const
{
    if (m_driveCRoot.isEmpty())
        return path;
    // Only files at the root of drive C, where the program keeps its own, move
    // to the root given; any other path stays the user's, on every system
    // (on Windows the user's files and the temporary folder are on drive C too).
    static const QRegularExpression rootFile(QStringLiteral(R"(^[Cc]:[\\/]([^\\/]+)$)"));
    const QRegularExpressionMatch match = rootFile.match(path);
    const QString name = match.captured(1);
    if (!match.hasMatch() || name == u"." || name == u"..")
        return path;
    return m_driveCRoot + u'/' + name;
}

bool DriveMap::prepareFolderFor(const QString &localPath, QString *error) const
{
    if (m_driveCRoot.isEmpty() || !localPath.startsWith(m_driveCRoot + u'/'))
        return true;
    if (QFileInfo(m_driveCRoot).isDir() || QDir().mkpath(m_driveCRoot))
        return true;
    // Name the culprit: most often a file stands where a folder should be.
    for (QString folder = m_driveCRoot; !folder.isEmpty(); folder = QFileInfo(folder).path()) {
        const QFileInfo info(folder);
        if (info.exists() && !info.isDir()) {
            *error = QObject::tr("%1 is a file, not a folder").arg(QDir::toNativeSeparators(folder));
            return false;
        }
        if (info.exists() || info.isRoot())
            break;
    }
    *error = QObject::tr("the folder %1 could not be created").arg(QDir::toNativeSeparators(m_driveCRoot));
    return false;
}
