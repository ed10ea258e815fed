// SPDX-License-Identifier: GPL-3.0-or-later
// FullPath: full paths on Unix.
#include "FullPath.h"

bool IsFullPath(QStringView path)
{
    return path.startsWith(u'/');
}

std::optional<QString> PathOfFileUrl(const QUrl &url)
{
    // "file://otherhost/music/a.mp3" is no "/music/a.mp3" of this computer.
    if (!url.host().isEmpty() && url.host().compare(u"localhost", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    QUrl here = url;
    here.setHost(QString());
    return here.toLocalFile();
}
