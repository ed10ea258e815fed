// SPDX-License-Identifier: GPL-3.0-or-later
// FakeStayAwake: records when the program holds the computer awake, and lets go.
#pragma once

#include "StayAwake.h"

#include <QStringList>

class FakeStayAwake final : public StayAwake
{
public:
    void hold(const QString &) override
    {
        if (!held)
            calls.append(QStringLiteral("hold"));
        held = true;
    }
    void release() override
    {
        if (held)
            calls.append(QStringLiteral("release"));
        held = false;
    }

    bool held = false;
    QStringList calls; ///< "hold" and "release", in order, each change once
};
