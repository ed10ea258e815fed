// SPDX-License-Identifier: GPL-3.0-or-later
// FolderReader: reads a folder's names without holding up the window.
#include "FolderReader.h"

#include <QDeadlineTimer>
#include <QThread>

#include <memory>

FolderReader::FolderReader(QObject *parent)
    : QObject(parent)
{
}

void FolderReader::read(std::function<QStringList()> reading)
{
    const quint64 number = ++m_started;
    auto names = std::make_shared<QStringList>();
    // Nobody owns the thread: a reader that goes away (the dialog closed)
    // must not wait for a disk that hangs. It deletes itself when done.
    QThread *thread = QThread::create([reading = std::move(reading), names] { *names = reading(); });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, [this, number, names] { deliver(number, *names); });
    thread->start();
    if (thread->wait(QDeadlineTimer(waitMs))) {
        deliver(number, *names);
        return;
    }
    if (!m_showsBusy) {
        m_showsBusy = true;
        emit busyChanged(true);
    }
}

void FolderReader::deliver(quint64 reading, const QStringList &names)
{
    if (reading != m_started || reading == m_delivered)
        return;
    m_delivered = reading;
    emit ready(names);
    if (m_showsBusy) {
        m_showsBusy = false;
        emit busyChanged(false);
    }
}
