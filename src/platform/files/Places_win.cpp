// SPDX-License-Identifier: GPL-3.0-or-later
// Places: the drives of this computer.
#include "Places.h"

#include <QDir>
#include <QStorageInfo>

#include <windows.h>

namespace Places {

QList<Place> forThisSystem()
{
    QList<Place> places;
    for (const QFileInfo &drive : QDir::drives()) {
        const QString root = drive.absoluteFilePath();
        const std::wstring native = QDir::toNativeSeparators(root).toStdWString();
        // A fixed disk names its label at once; a network drive whose server
        // is away, or a card reader without a card, can keep the list waiting.
        const UINT type = GetDriveTypeW(native.c_str());
        const bool answersAtOnce = type == DRIVE_FIXED || type == DRIVE_RAMDISK;
        places.append({root, answersAtOnce ? QStorageInfo(root).name() : QString()});
    }
    return places;
}

Qt::CaseSensitivity pathCaseSensitivity()
{
    return Qt::CaseInsensitive;
}

} // namespace Places
