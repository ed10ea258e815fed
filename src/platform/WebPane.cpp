// SPDX-License-Identifier: GPL-3.0-or-later
// WebPane: the strip of the main window that shows one web page.
#include "WebPane.h"

#include "LinkPane.h"
#include "System.h"

#include <QCoreApplication>

#ifdef DORVANE_WITH_WEBENGINE
#include "WebEnginePane.h"
#endif

void prepareWebPane()
{
#ifdef DORVANE_WITH_WEBENGINE
    // The engine's sandbox refuses to start for the superuser.
    if (runningAsAdministrator() && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#endif
}

WebPane *createWebPane(QWidget *parent)
{
#ifdef DORVANE_WITH_WEBENGINE
    return new WebEnginePane(parent);
#else
    return new LinkPane(parent);
#endif
}
