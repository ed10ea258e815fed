// SPDX-License-Identifier: GPL-3.0-or-later
// FileSystemObject: asks the file system what stands at a path.
#pragma once

#include "DriveMap.h"

#include <QString>

/// A short-lived view of the file system, made where a procedure needs one.
class FileSystemObject
{
public:
    /// What keeps a path from naming a file that can be read.
    struct Obstacle {
        enum class Kind {
            None,         ///< a regular file that can be read
            Nothing,      ///< nothing stands at the path
            NotAFile,     ///< a folder, a device or a pipe stands there
            FileAsFolder, ///< at: a file, named with a separator after it as if it were a folder
            FileOnPath,   ///< at: a file, where the path needs a folder
            FolderBarred, ///< at: a folder on the path that may not be entered
            NoReading,    ///< the file is there, but may not be read
        };
        Kind kind = Kind::None;
        QString at;     ///< the path in the way, for FileAsFolder, FileOnPath and FolderBarred
        QString reason; ///< the system's reason, for NoReading
    };

    /// What stands at a path where the system finds nothing it can reach.
    enum class Unreachable {
        Nothing,       ///< nothing stands there (or something the system reaches)
        LinkLoop,      ///< a symbolic link that leads round in a circle, itself or through others
        LinkToNothing, ///< a symbolic link to something that is not there
        PathTooLong,   ///< something may: the full path is longer than the system allows
    };

    /// Takes paths as they are: for files the user chose.
    FileSystemObject() = default;

    /// Takes paths through @p drives: for the program's own settings files.
    explicit FileSystemObject(const DriveMap &drives)
        : m_drives(drives)
    {
    }

    /// True only if a regular file of that name exists, directly or through links.
    bool FileExists(const QString &path) const;

    /// True if anything at all stands at @p path: a file, a folder, a device, a pipe.
    bool Exists(const QString &path) const;

    /**
     * Why @p path names no file that this user can read. Where nothing
     * answers at the path, the nearest thing that does on the way back to
     * the root tells why: a file where a folder should be, a folder that may
     * not be entered, or else nothing stands there.
     */
    Obstacle obstacleToReading(const QString &path) const;

    /// Why Exists() finds nothing at @p path, where something may stand all the same.
    Unreachable unreachable(const QString &path) const;

    /// True when the file system that holds @p localPath (or would hold it) is mounted read-only.
    static bool onReadOnlyFileSystem(const QString &localPath);

private:
    static bool mayEnter(const QString &folder);

    DriveMap m_drives;
};
