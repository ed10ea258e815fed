// SPDX-License-Identifier: GPL-3.0-or-later
// WebPane: the strip of the main window that shows one web page.
#pragma once

#include <QUrl>
#include <QWidget>

class Opener;

/// A widget that shows the page it was last pointed at.
class WebPane : public QWidget
{
    Q_OBJECT

public:
    explicit WebPane(QWidget *parent = nullptr)
        : QWidget(parent)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

    /// Shows the page at @p address.
    virtual void navigate(const QUrl &address) = 0;
};

/// Sets up what the web pane needs before the application object is created.
void prepareWebPane();

/**
 * The best web pane this build has: a web engine view, or a plain link.
 * Links the user follows in it open through @p opener, in the web browser.
 */
WebPane *createWebPane(Opener &opener, QWidget *parent = nullptr);
