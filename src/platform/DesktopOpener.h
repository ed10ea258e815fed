// SPDX-License-Identifier: GPL-3.0-or-later
// DesktopOpener: opens documents and addresses through the desktop environment.
#pragma once

#include "Opener.h"

/**
 * Opens through QDesktopServices (xdg-open on Linux, the shell on Windows).
 * Paths travel as file URLs, never through a command line.
 */
class DesktopOpener final : public Opener
{
public:
    bool openDocument(const QString &path) override;
    bool openAddress(const QUrl &address) override;

    /// The file URL that stands for the local file at @p path.
    static QUrl documentUrl(const QString &path);
};
