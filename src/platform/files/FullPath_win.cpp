// SPDX-License-Identifier: GPL-3.0-or-later
// FullPath: full paths on Windows.
#include "FullPath.h"

#include <QRegularExpression>

bool IsFullPath(QStringView path)
{
    // "\music" and "C:music" depend on the current drive or folder.
    static const QRegularExpression full(QStringLiteral(R"(^([A-Za-z]:[\\/]|[\\/]{2}[^\\/]+[\\/][^\\/]+))"));
    return full.match(path).hasMatch();
}
