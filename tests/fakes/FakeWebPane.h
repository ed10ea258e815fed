// SPDX-License-Identifier: GPL-3.0-or-later
// FakeWebPane: a web pane that records where it was sent.
#pragma once

#include "WebPane.h"

#include <functional>

class FakeWebPane final : public WebPane
{
public:
    void navigate(const QUrl &address) override
    {
        if (onNavigate)
            onNavigate(this);
        addresses.append(address);
    }

    QList<QUrl> addresses;
    std::function<void(FakeWebPane *)> onNavigate;
};
