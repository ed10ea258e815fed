// SPDX-License-Identifier: GPL-3.0-or-later
// WebEnginePane: the web engine plugin's view, which renders pages with Qt WebEngine.
#pragma once

#include <QUrl>
#include <QWidget>

#include <functional>

class QWebEngineView;

/**
 * Starting the engine takes a moment, so it starts only once the pane has
 * been painted: the window and its clock appear without waiting for it.
 */
class WebEnginePane final : public QWidget
{
    Q_OBJECT

public:
    WebEnginePane(std::function<void(const QUrl &)> followLink, QWidget *parent = nullptr);

    void navigate(const QUrl &address);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void startEngine();

    std::function<void(const QUrl &)> m_followLink;
    QWebEngineView *m_view = nullptr;
    QUrl m_address;
    bool m_startScheduled = false;
};
