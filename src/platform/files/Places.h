// SPDX-License-Identifier: GPL-3.0-or-later
// Places: the folders a user can start browsing from on this system.
#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace Places {

/// A folder offered in the drive list.
struct Place {
    QString root; ///< the folder, with "/" as separator
    QString name; ///< a label shown beside it; may be empty
};

/**
 * The places of this system, in the order to offer them: on Windows its
 * drives; elsewhere the root folder, the home folder, and the file systems
 * mounted where desktops and users put extra disks (/media, /mnt, /run/media).
 */
QList<Place> forThisSystem();

/// Where browsing starts: the user's Music folder when it exists, else the home folder.
QString startFolder();

/// Whether two paths that differ only in case name the same file here.
Qt::CaseSensitivity pathCaseSensitivity();

/// The index in @p places of the nearest place that holds @p folder, or -1.
qsizetype indexHolding(const QList<Place> &places, const QString &folder);

/**
 * The places to offer and the folder to start in, asked afresh at every
 * showing of the chooser: this system's own unless others are given (a test
 * gives folders of its own; on Windows no environment variable moves the
 * user's Music folder or the drives).
 */
struct Browsing {
    std::function<QList<Place>()> places = &forThisSystem;
    std::function<QString()> start = &startFolder;
};

} // namespace Places
