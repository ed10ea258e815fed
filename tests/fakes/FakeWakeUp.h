// SPDX-License-Identifier: GPL-3.0-or-later
// FakeWakeUp: records the wake-up requests the program makes, and answers as told.
#pragma once

#include "WakeUp.h"

#include <QList>

class FakeWakeUp final : public WakeUp
{
public:
    void wakeAt(const QDateTime &moment) override { requests.append(moment); }
    QString obstacle() const override { return refusal; }

    /// The system answers late: from now on obstacle() says @p text.
    void answer(const QString &text)
    {
        refusal = text;
        emit obstacleChanged();
    }

    QList<QDateTime> requests;
    QString refusal; ///< what obstacle() answers
};
