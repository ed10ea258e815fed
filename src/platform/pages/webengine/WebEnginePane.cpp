// SPDX-License-Identifier: GPL-3.0-or-later
// WebEnginePane: the web engine plugin's view, which renders pages with Qt WebEngine.
#include "WebEnginePane.h"

#include <QOpenGLWidget>
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
    PaneWebPage(const std::function<void(const QUrl &)> &followLink, QObject *parent)
        : QWebEnginePage(parent)
        , m_followLink(followLink)
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (type == NavigationTypeLinkClicked) {
            m_followLink(url);
            return false;
        }
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }

private:
    std::function<void(const QUrl &)> m_followLink;
};

} // namespace

WebEnginePane::WebEnginePane(std::function<void(const QUrl &)> followLink, QWidget *parent)
    : QWidget(parent)
    , m_followLink(std::move(followLink))
{
    setFocusPolicy(Qt::StrongFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The engine's view draws through OpenGL. Were it the first such widget
    // in a window already on screen, Qt would destroy and recreate that
    // window to switch it over, and the window would flash away and back.
    // A hidden OpenGL widget from the start makes the window right at once.
    auto *primer = new QOpenGLWidget(this);
    primer->setAttribute(Qt::WA_TransparentForMouseEvents);
    primer->setFocusPolicy(Qt::NoFocus);
    primer->hide();
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
    m_view->setPage(new PaneWebPage(m_followLink, m_view));
    layout()->addWidget(m_view);
    setFocusProxy(m_view);
    if (m_address.isValid())
        m_view->load(m_address);
}
