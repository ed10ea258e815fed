// SPDX-License-Identifier: GPL-3.0-or-later
// LinkPane: a web pane that offers its page as a link to the browser.
#include "LinkPane.h"

#include "Opener.h"

#include <QLabel>
#include <QVBoxLayout>

LinkPane::LinkPane(Opener &opener, QWidget *parent)
    : WebPane(parent)
    , m_link(new QLabel(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_link);
    m_link->setAlignment(Qt::AlignCenter);
    m_link->setTextFormat(Qt::RichText);
    connect(m_link, &QLabel::linkActivated, this, [&opener](const QString &link) { opener.openAddress(QUrl(link)); });
    m_link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    setFocusProxy(m_link);
    m_link->setStyleSheet(QStringLiteral("QLabel { background: black; color: white; }"));
}

void LinkPane::navigate(const QUrl &address)
{
    m_link->setText(QStringLiteral("<a style=\"color: #ff8000\" href=\"%1\">%2</a>")
                        .arg(address.toString(QUrl::FullyEncoded).toHtmlEscaped(),
                             tr("More from the makers of Dorvane").toHtmlEscaped()));
}
