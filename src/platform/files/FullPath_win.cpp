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

std::optional<QString> PathOfFileUrl(const QUrl &url)
{
    // Another computer's file is a share of it: "file://server/music/a.mp3" is "\\server\music\a.mp3".
    QUrl here = url;
    if (url.host().compare(u"localhost", Qt::CaseInsensitive) == 0)
        here.setHost(QString());
    return here.toLocalFile();
}
