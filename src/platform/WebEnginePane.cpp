// SPDX-License-Identifier: GPL-3.0-or-later
// WebEnginePane: a web pane that renders its page with Qt WebEngine.
#include "WebEnginePane.h"

#include <QDesktopServices>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

/// The pane is a strip a few lines high: links clicked in it belong in the browser.
class PaneWebPage final : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (type == NavigationTypeLinkClicked) {
            QDesktopServices::openUrl(url);
            return false;
        }
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }
};

} // namespace

WebEnginePane::WebEnginePane(QWidget *parent)
    : WebPane(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void WebEnginePane::navigate(const QUrl &address)
{
    m_address = address;
    if (m_view)
        m_view->load(m_address);
}

void WebEnginePane::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Qt::black);
    if (!m_startScheduled) {
        m_startScheduled = true;
        QTimer::singleShot(0, this, &WebEnginePane::startEngine);
    }
}

void WebEnginePane::startEngine()
{
    m_view = new QWebEngineView(this);
    m_view->setPage(new PaneWebPage(m_view));
    layout()->addWidget(m_view);
    setFocusProxy(m_view);
    if (m_address.isValid())
        m_view->load(m_address);
}
