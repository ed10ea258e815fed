// SPDX-License-Identifier: GPL-3.0-or-later
// AlarmTimers: the timers on the alarm clock that wakes the computer, as the kernel shows a process's.
#pragma once

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace AlarmTimers {

/// Seconds left on each timer on CLOCK_REALTIME_ALARM (clockid 8) that process @p pid holds.
inline QList<qint64> secondsLeft(qint64 pid)
{
    static const QRegularExpression itValue(QStringLiteral("^it_value:\\s*\\((\\d+),"), QRegularExpression::MultilineOption);
    QList<qint64> left;
    const QString folder = QStringLiteral("/proc/%1/fdinfo").arg(pid);
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        QFile info(folder + u'/' + name);
        if (!info.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromLatin1(info.readAll());
        if (!text.contains(QStringLiteral("\nclockid: 8\n")))
            continue;
        if (const QRegularExpressionMatch match = itValue.match(text); match.hasMatch())
            left.append(match.captured(1).toLongLong());
    }
    return left;
}

} // namespace AlarmTimers
