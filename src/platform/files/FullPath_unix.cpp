// SPDX-License-Identifier: GPL-3.0-or-later
// FullPath: full paths on Unix.
#include "FullPath.h"

bool IsFullPath(QStringView path)
{
    return path.startsWith(u'/');
}
