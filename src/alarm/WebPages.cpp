// SPDX-License-Identifier: GPL-3.0-or-later
// WebPages: the addresses of the program's web pages.
#include "WebPages.h"

namespace WebPages {

namespace {

QUrl pageOn(const QUrl &siteRoot, QStringView path)
{
    if (!siteRoot.isValid())
        return {};
    // The root may itself lie below a path (a folder of shipped pages, a
    // user's site), so the page's path continues the root's.
    QUrl page = siteRoot;
    QString rootPath = siteRoot.path();
    if (rootPath.endsWith(u'/'))
        rootPath.chop(1);
    page.setPath(rootPath + path.toString());
    return page;
}

} // namespace

Addresses onSite(const QUrl &siteRoot)
{
    return {pageOn(siteRoot, panePath), pageOn(siteRoot, helpPath), pageOn(siteRoot, contactPath)};
}

} // namespace WebPages
