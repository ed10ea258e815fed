// SPDX-License-Identifier: GPL-3.0-or-later
// RichTextPane: a web pane that draws a local page with Qt's own rich text.
#pragma once

#include "WebPane.h"

class Opener;
class QTextBrowser;

/**
 * Shows an HTML page from a local file without any browser engine: Qt's
 * rich text draws simple HTML and CSS, at a fraction of an engine's memory.
 * Links the user follows (a click, or Tab and Enter) open through the
 * opener, in the web browser, and the pane keeps its page.
 */
class RichTextPane final : public WebPane
{
    Q_OBJECT

public:
    explicit RichTextPane(Opener &opener, QWidget *parent = nullptr);

    /// Shows the page at @p address, a local file; an invalid address empties the pane.
    void navigate(const QUrl &address) override;

private:
    void followLink(const QUrl &link);
    void nameAfterTitle();

    Opener &m_opener;
    QTextBrowser *m_view;
};
