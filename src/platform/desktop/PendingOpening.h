// SPDX-License-Identifier: GPL-3.0-or-later
// PendingOpening: one document on its way to the desktop, until the desktop has answered.
#pragma once

#include "Opener.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

/**
 * Owned by nobody: closing the window must not cut short an opening that is
 * still starting the user's player. The window hears the answer once, and
 * only while it is there; a desktop still busy after the deadline is busy
 * starting the application, so its silence counts as opened.
 */
class PendingOpening final : public QObject
{
public:
    PendingOpening(QObject *window, Opener::Answer answered, int answerWithinMs)
        : m_window(window)
        , m_answered(std::move(answered))
    {
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, [this] { answer(std::nullopt); });
        m_deadline.start(answerWithinMs);
    }

    /// The desktop has answered and is done: the window hears it, unless it heard the deadline.
    void finish(std::optional<Opener::Failure> failure)
    {
        answer(failure);
        deleteLater();
    }

private:
    void answer(std::optional<Opener::Failure> failure)
    {
        m_deadline.stop();
        if (m_answered && m_window)
            m_answered(failure);
        m_answered = nullptr;
    }

    QPointer<QObject> m_window;
    Opener::Answer m_answered;
    QTimer m_deadline;
};
