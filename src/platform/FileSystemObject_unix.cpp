// SPDX-License-Identifier: GPL-3.0-or-later
// FileSystemObject: full paths on Unix.
#include "FileSystemObject.h"

bool FileSystemObject::IsFullPath(const QString &path)
{
    return path.startsWith(u'/');
}
