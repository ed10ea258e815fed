// SPDX-License-Identifier: GPL-3.0-or-later
// Places: the folders a user can start browsing from on this system.
#include "Places.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Places {

QString startFolder()
{
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (!music.isEmpty() && QFileInfo(music).isDir())
        return QDir::cleanPath(music);
    const QString home = QDir::homePath();
    return QFileInfo(home).isDir() ? home : QDir::rootPath();
}

qsizetype indexHolding(const QList<Place> &places, const QString &folder)
{
    const QString path = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    const Qt::CaseSensitivity cs = pathCaseSensitivity();
    qsizetype best = -1;
    for (qsizetype i = 0; i < places.size(); ++i) {
        const QString &root = places.at(i).root;
        const QString prefix = root.endsWith(u'/') ? root : root + u'/';
        const bool holds = path.compare(root, cs) == 0 || path.startsWith(prefix, cs);
        if (holds && (best < 0 || root.size() > places.at(best).root.size()))
            best = i;
    }
    return best;
}

} // namespace Places
