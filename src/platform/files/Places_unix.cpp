// SPDX-License-Identifier: GPL-3.0-or-later
// Places: the root folder, the home folder and the disks mounted for the user.
#include "Places.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStorageInfo>

#include <algorithm>

namespace {

// Where desktops mount removable disks (/media/<user>/<label>, or
// /run/media/<user>/<label>) and where people mount extra disks by hand
// (/mnt/<name>). Deeper mounts belong to the system, not to the user.
bool isUserMount(const QString &root)
{
    static const QRegularExpression where(
        QStringLiteral("^(/media/[^/]+(/[^/]+)?|/run/media/[^/]+/[^/]+|/mnt/[^/]+)$"));
    return where.match(root).hasMatch();
}

} // namespace

namespace Places {

QList<Place> forThisSystem()
{
    QList<Place> places{{QDir::rootPath(), QString()}};
    const QString home = QDir::homePath();
    if (home != QDir::rootPath())
        places.append({home, QCoreApplication::translate("Places", "Home")});

    QList<Place> mounts;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || !isUserMount(root) || root == home)
            continue;
        mounts.append({root, volume.name()});
    }
    std::sort(mounts.begin(), mounts.end(), [](const Place &a, const Place &b) { return a.root < b.root; });
    // The same file system can be mounted twice at one place.
    mounts.erase(std::unique(mounts.begin(), mounts.end(),
                             [](const Place &a, const Place &b) { return a.root == b.root; }),
                 mounts.end());
    return places + mounts;
}

Qt::CaseSensitivity pathCaseSensitivity()
{
    return Qt::CaseSensitive;
}

} // namespace Places
