// SPDX-License-Identifier: GPL-3.0-or-later
// PagePane: a web pane that shows each page with the lightest view that can draw it.
#include "PagePane.h"

#include "RichTextPane.h"

#include <QVBoxLayout>

PagePane::PagePane(Opener &opener, RemotePaneFactory remotePane, QWidget *parent)
    : WebPane(parent)
    , m_opener(opener)
    , m_remotePane(std::move(remotePane))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void PagePane::navigate(const QUrl &address)
{
    // No address at all is drawn as an empty local page, not worth an engine.
    const bool local = !address.isValid() || address.isLocalFile() || address.scheme() == u"qrc";
    const Kind kind = local ? Kind::Local : Kind::Remote;
    if (kind != m_kind) {
        WebPane *pane = local ? new RichTextPane(m_opener, this) : m_remotePane(m_opener, this);
        layout()->addWidget(pane);
        pane->show();
        const bool hadFocus = m_shown && m_shown->hasFocus();
        delete m_shown;
        m_shown = pane;
        m_kind = kind;
        // Keyboard users reach the page where the pane stands in the tab order.
        setFocusProxy(pane);
        if (hadFocus)
            pane->setFocus();
    }
    m_shown->navigate(address);
}
