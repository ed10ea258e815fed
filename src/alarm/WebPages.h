// SPDX-License-Identifier: GPL-3.0-or-later
// WebPages: the addresses of the program's web pages.
#pragma once

#include <QStringView>
#include <QUrl>

namespace WebPages {

/// Paths of the pages on the site.
inline constexpr QStringView panePath = u"/english/more.htm";
inline constexpr QStringView helpPath = u"/english/dorvane.htm";
inline constexpr QStringView contactPath = u"/english/contact.htm";

struct Addresses {
    QUrl pane;    ///< shown in the main window's web pane
    QUrl help;    ///< opened by Help
    QUrl contact; ///< opened by Contact
};

/// The pages' addresses on the site whose root is @p siteRoot.
Addresses onSite(const QUrl &siteRoot);

} // namespace WebPages
