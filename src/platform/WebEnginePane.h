// SPDX-License-Identifier: GPL-3.0-or-later
// WebEnginePane: a web pane that renders its page with Qt WebEngine.
#pragma once

#include "WebPane.h"

class Opener;
class QWebEngineView;

/**
 * Starting the engine takes a moment, so it starts only once the pane has
 * been painted: the window and its clock appear without waiting for it.
 */
class WebEnginePane final : public WebPane
{
    Q_OBJECT

public:
    explicit WebEnginePane(Opener &opener, QWidget *parent = nullptr);

    void navigate(const QUrl &address) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void startEngine();

    Opener &m_opener;
    QWebEngineView *m_view = nullptr;
    QUrl m_address;
    bool m_startScheduled = false;
};
