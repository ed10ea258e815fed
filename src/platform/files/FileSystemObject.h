// SPDX-License-Identifier: GPL-3.0-or-later
// FileSystemObject: asks the file system what stands at a path.
#pragma once

#include "DriveMap.h"

#include <QString>

/// A short-lived view of the file system, made where a procedure needs one.
class FileSystemObject
{
public:
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

private:
    DriveMap m_drives;
};
