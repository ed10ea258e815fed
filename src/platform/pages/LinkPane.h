// SPDX-License-Identifier: GPL-3.0-or-later
// LinkPane: a web pane that offers its page as a link to the browser.
#pragma once

#include "WebPane.h"

class Opener;
class QLabel;

/// Used where the program is built without a web engine.
class LinkPane final : public WebPane
{
    Q_OBJECT

public:
    explicit LinkPane(Opener &opener, QWidget *parent = nullptr);

    void navigate(const QUrl &address) override;

private:
    QLabel *m_link;
};
