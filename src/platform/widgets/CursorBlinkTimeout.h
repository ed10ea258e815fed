// SPDX-License-Identifier: GPL-3.0-or-later
// CursorBlinkTimeout: text cursors stop blinking when the user leaves the keyboard and mouse alone.
#pragma once

#include <QObject>
#include <QTimer>

/**
 * A blinking text cursor wakes the program twice a second for as long as a
 * text field has the focus, which for an alarm clock left open all day is
 * most of its work. Like GNOME's cursor-blink-timeout, cursors blink for a
 * while after the last key press or click, then stay on, steady; the next
 * key press or click makes them blink again.
 */
class CursorBlinkTimeout final : public QObject
{
    Q_OBJECT

public:
    /// Watches the whole application's input; cursors stop blinking @p timeoutMs after the last.
    explicit CursorBlinkTimeout(int timeoutMs, QObject *parent = nullptr);
    ~CursorBlinkTimeout() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stopBlinking();

    QTimer m_timer;
    int m_flashTime;
    bool m_stopped = false;
};
