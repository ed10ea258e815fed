// SPDX-License-Identifier: GPL-3.0-or-later
// DriveMap: where the fixed drive-C paths of the settings files really live.
#pragma once

#include <QString>

/**
 * Resolves the program's own settings paths, files at the root of drive C
 * ("C:\9836v3.txt"), to the local file system. Without a root the paths stay
 * as they are; with a root, a file at the root of drive C resolves to that
 * file in the root folder, and every other path stays as it is.
 */
class DriveMap
{
public:
    /// Leaves every path as it is.
    DriveMap() = default;

    /// Resolves the files at the root of drive C to the folder @p driveCRoot.
    explicit DriveMap(const QString &driveCRoot);

    /// The map for this system: drive C itself on Windows, the program's
    /// settings folder elsewhere.
    static DriveMap forThisSystem();

    /// The local path for @p path.
    QString localPath(const QString &path) const;

    /**
     * Creates the folder that stands for drive C when @p localPath lies in it
     * and it does not exist yet. False, with @p error set, when it cannot be made.
     */
    bool prepareFolderFor(const QString &localPath, QString *error) const;

private:
    QString m_driveCRoot;
};
