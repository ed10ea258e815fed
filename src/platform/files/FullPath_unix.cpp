// SPDX-License-Identifier: GPL-3.0-or-later
// FullPath: full paths on Unix.
#include "FullPath.h"

bool IsFullPath(QStringView path)
{
    return path.startsWith(u'/');
}

std::optional<QString> PathOfFileUrl(const QUrl &url)
{
    if (url.host().isEmpty())
        return url.toLocalFile();
    if (url.host().compare(u"localhost", Qt::CaseInsensitive) == 0)
        return url.path(QUrl::FullyDecoded);
    // "file://otherhost/music/a.mp3" is no "/music/a.mp3" of this computer.
    return std::nullopt;
}
