// SPDX-License-Identifier: GPL-3.0-or-later
// DriveMap: where the fixed drive-C paths of the settings files really live.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

/**
 * Resolves paths written as on Windows ("C:\9836v3.txt") to the local file
 * system. Without a root the paths stay as they are; with a root, paths on
 * drive C resolve below that folder and every other path stays as it is,
 * except that where drive C is real (Windows) only the files at its root,
 * where the program keeps its own, move below the folder.
 */
class DriveMap
{
    Q_DECLARE_TR_FUNCTIONS(DriveMap)

public:
    /// Leaves every path as it is.
    DriveMap() = default;

    /// Resolves drive C to the folder @p driveCRoot.
    explicit DriveMap(const QString &driveCRoot);

    /// Why this system's settings folder cannot be named: an environment variable it lies below.
    struct Unnamed {
        QString variable; ///< the variable's name
        QString value;    ///< its value, each byte that is not UTF-8 text written as \xFF
    };

    /**
     * The map for this system: drive C itself on Windows, the program's
     * settings folder elsewhere. Nothing, with @p why set, when the variable
     * that names the settings folder holds bytes that are not text: Qt would
     * turn them into other characters, and so name another folder.
     */
    static std::optional<DriveMap> forThisSystem(Unnamed *why);

    /// The local path for @p path.
    QString localPath(const QString &path) const;

    /**
     * Creates the folder that stands for drive C, private to this user, when
     * @p localPath lies in it and it does not exist yet. False, with @p error
     * set, when it cannot be made.
     */
    bool prepareFolderFor(const QString &localPath, QString *error) const;

private:
    QString m_driveCRoot;
};
