// SPDX-License-Identifier: GPL-3.0-or-later
// RichTextPane: a web pane that draws a local page with Qt's own rich text.
#include "RichTextPane.h"

#include "Opener.h"

#include <QApplication>
#include <QTextBrowser>
#include <QVBoxLayout>

RichTextPane::RichTextPane(Opener &opener, QWidget *parent)
    : WebPane(parent)
    , m_opener(opener)
    , m_view(new QTextBrowser(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    m_view->setFrameShape(QFrame::NoFrame);
    // The page brings its own look; the window's large clock font would
    // still set the height of every line break.
    QFont plain = QApplication::font();
    plain.setResolveMask(QFont::AllPropertiesResolved);
    m_view->setFont(plain);
    // Black until the page says otherwise, like the window around it.
    QPalette palette = m_view->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    m_view->setPalette(palette);
    m_view->setOpenLinks(false);
    connect(m_view, &QTextBrowser::anchorClicked, this, &RichTextPane::followLink);
    connect(m_view, &QTextBrowser::sourceChanged, this, &RichTextPane::nameAfterTitle);
    m_view->setAccessibleDescription(tr("Tab moves between the page's links; Enter opens one in your web browser."));
    setFocusProxy(m_view);
}

void RichTextPane::navigate(const QUrl &address)
{
    if (address.isValid()) {
        m_view->setSource(address, QTextDocument::HtmlResource);
    } else {
        m_view->clear();
        nameAfterTitle();
    }
}

void RichTextPane::followLink(const QUrl &link)
{
    // Already made whole against the page's address: the browser gets a full address.
    m_opener.openAddress(link);
}

void RichTextPane::nameAfterTitle()
{
    // What a screen reader says when the pane takes the focus.
    const QString title = m_view->documentTitle();
    m_view->setAccessibleName(title.isEmpty() ? tr("Web page") : title);
}
