// SPDX-License-Identifier: GPL-3.0-or-later
// PaneFactory: pages from a web site render in Qt WebEngine, loaded as a plugin when first needed.
#include "PaneFactory.h"

#include "LinkPane.h"
#include "Opener.h"
#include "SiteRoot.h"
#include "System.h"
#include "WebEngineViews.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QPluginLoader>
#include <QVBoxLayout>

namespace {

Q_LOGGING_CATEGORY(lcPages, "dorvane.pages")

/// Hosts a view from the plugin.
class EnginePane final : public WebPane
{
public:
    EnginePane(WebEngineViews &views, Opener &opener, QWidget *parent)
        : WebPane(parent)
        , m_views(views)
        , m_view(views.createView([&opener](const QUrl &link) { opener.openAddress(link); }, this))
    {
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_view);
        setFocusProxy(m_view);
    }

    void navigate(const QUrl &address) override { m_views.load(m_view, address); }

private:
    WebEngineViews &m_views;
    QWidget *m_view;
};

/// The plugin's views, loaded at the first call; null when it cannot be loaded.
WebEngineViews *engineViews()
{
    static WebEngineViews *const views = [] () -> WebEngineViews * {
        // Beside the program in the build folder; under lib/ once installed.
        const QString programDir = QCoreApplication::applicationDirPath();
        const QString name = QStringLiteral("/dorvane_webengine");
        QStringList problems;
        for (const QString &candidate : {programDir + name, programDir + QStringLiteral(DORVANE_PLUGIN_DIR) + name}) {
            QPluginLoader loader(candidate);
            if (auto *loaded = qobject_cast<WebEngineViews *>(loader.instance()))
                return loaded;
            problems.append(loader.errorString());
        }
        qCWarning(lcPages, "Dorvane shows its web page as a link: the web engine plugin did not load (%s)",
                  qPrintable(problems.join(QStringLiteral("; "))));
        return nullptr;
    }();
    return views;
}

} // namespace

void prepareWebPane()
{
    const QUrl site = configuredSiteRoot();
    if (site.isEmpty() || site.isLocalFile())
        return;
    // The engine's sandbox refuses to start for the superuser.
    if (runningAsAdministrator() && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The engine must share OpenGL contexts with the window; this has to be
    // set before the application object exists, long before the plugin loads.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

WebPane *createRemotePane(Opener &opener, QWidget *parent)
{
    if (WebEngineViews *views = engineViews())
        return new EnginePane(*views, opener, parent);
    return new LinkPane(opener, parent);
}
