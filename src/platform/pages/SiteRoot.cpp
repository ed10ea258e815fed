// SPDX-License-Identifier: GPL-3.0-or-later
// SiteRoot: where the program's web pages come from.
#include "SiteRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

QUrl configuredSiteRoot()
{
    const QString configured = QStringLiteral(DORVANE_SITE_ROOT);
    if (configured.isEmpty())
        return {};
    return QUrl(configured.endsWith(u'/') ? configured : configured + u'/');
}

QUrl siteRoot()
{
    if (const QUrl configured = configuredSiteRoot(); !configured.isEmpty())
        return configured;

    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        programDir + QStringLiteral("/site"),
        programDir + QStringLiteral(DORVANE_INSTALLED_SITE),
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate + QStringLiteral("/english")).isDir())
            return QUrl::fromLocalFile(QDir::cleanPath(candidate) + u'/');
    }
    return {};
}
