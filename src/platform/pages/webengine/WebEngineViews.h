// SPDX-License-Identifier: GPL-3.0-or-later
// WebEngineViews: what the web engine plugin offers the program.
#pragma once

#include <QtPlugin>

#include <functional>

class QUrl;
class QWidget;

/**
 * Makes views that render web pages with Qt WebEngine. It lives in a plugin
 * that the program loads only when a page needs it: merely linking the
 * engine costs tens of megabytes, page or not. The program reaches the
 * plugin's widgets through this interface only, so the plugin needs nothing
 * of the program.
 */
class WebEngineViews
{
public:
    virtual ~WebEngineViews() = default;

    /**
     * A view owned by @p parent. The engine starts once the view is first
     * painted, so the window appears without waiting for it. Links the user
     * follows are handed to @p followLink instead of being loaded in the view.
     */
    virtual QWidget *createView(std::function<void(const QUrl &)> followLink, QWidget *parent) = 0;

    /// Shows @p address in @p view, one made by createView().
    virtual void load(QWidget *view, const QUrl &address) = 0;
};

#define WebEngineViews_iid "org.dorvane.WebEngineViews/1"
Q_DECLARE_INTERFACE(WebEngineViews, WebEngineViews_iid)
