// SPDX-License-Identifier: GPL-3.0-or-later
// FileSystemObject: full paths on Windows.
#include "FileSystemObject.h"

#include <QRegularExpression>

bool FileSystemObject::IsFullPath(const QString &path)
{
    // "\music" and "C:music" depend on the current drive or folder.
    static const QRegularExpression full(QStringLiteral(R"(^([A-Za-z]:[\\/]|[\\/]{2}[^\\/]+[\\/][^\\/]+))"));
    return full.match(path).hasMatch();
}
