// SPDX-License-Identifier: GPL-3.0-or-later
// WebEnginePlugin: the plugin that brings Qt WebEngine into the program when a page needs it.
#include "WebEnginePane.h"
#include "WebEngineViews.h"

#include <QObject>

class WebEnginePlugin final : public QObject, public WebEngineViews
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID WebEngineViews_iid)
    Q_INTERFACES(WebEngineViews)

public:
    QWidget *createView(std::function<void(const QUrl &)> followLink, QWidget *parent) override
    {
        return new WebEnginePane(std::move(followLink), parent);
    }

    void load(QWidget *view, const QUrl &address) override
    {
        if (auto *pane = qobject_cast<WebEnginePane *>(view))
            pane->navigate(address);
    }
};

#include "WebEnginePlugin.moc"
