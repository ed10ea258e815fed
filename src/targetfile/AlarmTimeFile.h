// SPDX-License-Identifier: GPL-3.0-or-later
// AlarmTimeFile: the one-line file that keeps the alarm time of day.
#pragma once

#include "SequentialFiles.h"

#include <QString>
#include <QTime>

#include <functional>
#include <optional>

/**
 * The alarm time's persistent copy: one line of time-of-day text. It is made
 * with "00:00:00 pm" (twelve noon) on the first start, read once at every
 * start and rewritten whole at every change the user makes.
 */
namespace AlarmTimeFile {

/// Where the file lives.
inline const QString path = QStringLiteral("C:\\9836v3.txt");

/// What a restore found, and the time the alarm is set to because of it.
struct Restored {
    enum class Status {
        Read,        ///< the file held a time of day
        Created,     ///< there was no file; it was made with the first start's line
        NotCreated,  ///< there was no file, and making it failed: see error
        Unreadable,  ///< the file cannot be read: see error
        NotATime,    ///< the file's first line is no time of day: see line
    };
    Status status;
    QTime time;                   ///< what the alarm is set to: twelve noon unless the file held a time
    SequentialFiles::Error error = {};
    QString localPath = {};       ///< NotATime: the file, in the system's notation
    std::optional<QString> line = {}; ///< NotATime: the first line, or nothing for an empty file
};

/**
 * Reads the alarm time from the file, opening it with @p openFile (which
 * gives a file number of @p files, or -1), or makes the file on the first
 * start. A file that holds no time of day is left as it is: it may be a hand
 * edit gone wrong that the user wants to see again.
 */
Restored restore(SequentialFiles &files, const std::function<qint16(const QString &)> &openFile);

/// Writes @p value as the file's one line under @p fileNumber; false, with files.lastError() set, when that failed.
bool save(SequentialFiles &files, QTime value, int fileNumber = 1);

} // namespace AlarmTimeFile
