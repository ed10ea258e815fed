// SPDX-License-Identifier: GPL-3.0-or-later
// WebPane: the strip of the main window that shows one web page.
#pragma once

#include <QUrl>
#include <QWidget>

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
