// SPDX-License-Identifier: GPL-3.0-or-later
// FolderReader: reads a folder's names without holding up the window.
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

/**
 * Runs a folder reading on a thread of its own. A reading that is done
 * within waitMs is delivered at once, before read() returns, so a small
 * folder shows as soon as it is opened; a large folder or a slow disk holds
 * the window no longer than that and is delivered once it is done. A newer
 * reading replaces the one under way, whose names are dropped.
 */
class FolderReader : public QObject
{
    Q_OBJECT

public:
    /// The longest a reading may hold the window.
    static constexpr int waitMs = 50;

    explicit FolderReader(QObject *parent = nullptr);

    /// Runs @p reading (which must not touch any widget) and delivers what it yields.
    void read(std::function<QStringList()> reading);

    /// True while a reading is under way.
    bool busy() const { return m_delivered != m_started; }

signals:
    /// A reading outlasted waitMs (true), or the last such one is done (false).
    void busyChanged(bool busy);
    void ready(const QStringList &names);

private:
    void deliver(quint64 reading, const QStringList &names);

    quint64 m_started = 0;
    quint64 m_delivered = 0;
    bool m_showsBusy = false;
};
