// SPDX-License-Identifier: GPL-3.0-or-later
// FileSystemObject: a folder that can be seen can be entered; opening a file tells the rest.
#include "FileSystemObject.h"

bool FileSystemObject::mayEnter(const QString &)
{
    return true;
}
