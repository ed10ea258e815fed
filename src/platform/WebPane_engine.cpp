// SPDX-License-Identifier: GPL-3.0-or-later
// WebPane: the pane renders its page with Qt WebEngine.
#include "WebPane.h"

#include "System.h"
#include "WebEnginePane.h"

#include <QCoreApplication>

void prepareWebPane()
{
    // The engine's sandbox refuses to start for the superuser.
    if (runningAsAdministrator() && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

WebPane *createWebPane(Opener &opener, QWidget *parent)
{
    return new WebEnginePane(opener, parent);
}
