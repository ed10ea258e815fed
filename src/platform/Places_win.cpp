// SPDX-License-Identifier: GPL-3.0-or-later
// Places: the drives of this computer.
#include "Places.h"

#include <QDir>
#include <QStorageInfo>

namespace Places {

QList<Place> forThisSystem()
{
    QList<Place> places;
    for (const QFileInfo &drive : QDir::drives()) {
        const QString root = drive.absoluteFilePath();
        // An empty card reader or a drive without a disk has no label to show.
        const QStorageInfo volume(root);
        places.append({root, volume.isReady() ? volume.name() : QString()});
    }
    return places;
}

Qt::CaseSensitivity pathCaseSensitivity()
{
    return Qt::CaseInsensitive;
}

} // namespace Places
