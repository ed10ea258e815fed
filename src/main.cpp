// SPDX-License-Identifier: GPL-3.0-or-later
// Dorvane: builds the real services and opens the main window.
#include "CursorBlinkTimeout.h"
#include "DesktopOpener.h"
#include "DriveMap.h"
#include "Form1.h"
#include "SequentialFiles.h"
#include "SiteRoot.h"
#include "SystemClock.h"
#include "WebPages.h"
#include "WebPane.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    prepareWebPane();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dorvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.dorvane.Dorvane"));
    CursorBlinkTimeout blinkTimeout(10'000);

    SystemClock clock;
    DesktopOpener opener;
    SequentialFiles files(DriveMap::forThisSystem());

    Form1 window({clock, opener, files, createWebPane(opener), WebPages::onSite(siteRoot())});
    window.show();
    return app.exec();
}
