// SPDX-License-Identifier: GPL-3.0-or-later
// PagePane: a web pane that shows each page with the lightest view that can draw it.
#pragma once

#include "WebPane.h"

#include <functional>

class Opener;

/**
 * Local pages (the ones shipped with the program) are drawn as rich text;
 * pages from a web site go to the pane that the remote factory makes, which
 * is made only once such a page comes: a web engine costs a great deal of
 * memory, and most pages never need one.
 */
class PagePane final : public WebPane
{
    Q_OBJECT

public:
    using RemotePaneFactory = std::function<WebPane *(Opener &opener, QWidget *parent)>;

    PagePane(Opener &opener, RemotePaneFactory remotePane, QWidget *parent = nullptr);

    void navigate(const QUrl &address) override;

    /// The pane showing the current page; null before the first page.
    WebPane *shownPane() const { return m_shown; }

private:
    enum class Kind { None, Local, Remote };

    Opener &m_opener;
    RemotePaneFactory m_remotePane;
    WebPane *m_shown = nullptr;
    Kind m_kind = Kind::None;
};
