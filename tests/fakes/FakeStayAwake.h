// SPDX-License-Identifier: GPL-3.0-or-later
// FakeStayAwake: records when the program holds the computer awake, and lets go.
#pragma once

#include "StayAwake.h"

class FakeStayAwake final : public StayAwake
{
public:
    void hold(const QString &) override
    {
        holds += held ? 0 : 1;
        held = true;
    }
    void release() override { held = false; }

    bool held = false;
    int holds = 0; ///< how many holds began
};
