// SPDX-License-Identifier: GPL-3.0-or-later
// SiteRoot: where the program's web pages come from.
#pragma once

#include <QUrl>

/**
 * The root of the web site whose pages the program shows: the host chosen
 * when the program was built or, by default, the pages shipped with it,
 * found beside the program in its build folder or in share/dorvane/site
 * of its installation. Invalid when neither can be found.
 */
QUrl siteRoot();

/**
 * The site chosen when the program was built, ending in "/"; empty for the
 * pages shipped with the program. Known before the application object exists.
 */
QUrl configuredSiteRoot();
