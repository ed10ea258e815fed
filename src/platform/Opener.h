// SPDX-License-Identifier: GPL-3.0-or-later
// Opener: hands documents and web addresses to the desktop.
#pragma once

#include <QString>
#include <QUrl>

/**
 * Asks the desktop to open a document with the application associated with
 * it, or a web address in the user's web browser. Both calls return at once;
 * the opening itself happens in another process.
 */
class Opener
{
public:
    virtual ~Opener() = default;

    /// Opens the local file at @p path. False when the desktop could not be asked.
    virtual bool openDocument(const QString &path) = 0;

    /// Opens @p address in the web browser. False when the desktop could not be asked.
    virtual bool openAddress(const QUrl &address) = 0;
};
