// SPDX-License-Identifier: GPL-3.0-or-later
// DriveMap: without drives, drive C is the program's settings folder.
#include "DriveMap.h"

#include <QStandardPaths>

DriveMap DriveMap::forThisSystem()
{
    // $XDG_CONFIG_HOME/dorvane, or ~/.config/dorvane when it is not set.
    return DriveMap(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                    + QStringLiteral("/dorvane"));
}
