// SPDX-License-Identifier: GPL-3.0-or-later
// FileSystemObject: asks the file system whether a file is there.
#pragma once

#include "DriveMap.h"

#include <QString>

/// A short-lived view of the file system, made where a procedure needs one.
class FileSystemObject
{
public:
    explicit FileSystemObject(const DriveMap &drives)
        : m_drives(drives)
    {
    }

    /// True only if a file (not a folder) of that name exists.
    bool FileExists(const QString &path) const;

private:
    const DriveMap &m_drives;
};
