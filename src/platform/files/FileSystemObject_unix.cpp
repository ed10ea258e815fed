// SPDX-License-Identifier: GPL-3.0-or-later
// FileSystemObject: folders may be entered with search permission.
#include "FileSystemObject.h"

#include <QFile>

#include <unistd.h>

bool FileSystemObject::mayEnter(const QString &folder)
{
    return ::access(QFile::encodeName(folder).constData(), X_OK) == 0;
}
