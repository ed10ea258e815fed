// SPDX-License-Identifier: GPL-3.0-or-later
// CursorBlinkTimeout: text cursors stop blinking when the user leaves the keyboard and mouse alone.
#include "CursorBlinkTimeout.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

CursorBlinkTimeout::CursorBlinkTimeout(int timeoutMs, QObject *parent)
    : QObject(parent)
    , m_flashTime(QGuiApplication::styleHints()->cursorFlashTime())
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(timeoutMs);
    connect(&m_timer, &QTimer::timeout, this, &CursorBlinkTimeout::stopBlinking);
    QCoreApplication::instance()->installEventFilter(this);
    m_timer.start();
}

CursorBlinkTimeout::~CursorBlinkTimeout()
{
    if (m_stopped)
        QGuiApplication::styleHints()->setCursorFlashTime(m_flashTime);
}

bool CursorBlinkTimeout::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::InputMethod:
        if (m_stopped) {
            m_stopped = false;
            QGuiApplication::styleHints()->setCursorFlashTime(m_flashTime);
        }
        m_timer.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CursorBlinkTimeout::stopBlinking()
{
    // A flash time of zero means a steady cursor to every Qt text control.
    m_stopped = true;
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}
