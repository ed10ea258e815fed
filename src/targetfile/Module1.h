// SPDX-License-Identifier: GPL-3.0-or-later
// Module1: the record that names the file to open at the alarm.
#pragma once

#include <QString>

#include <functional>
#include <optional>

class SequentialFiles;

/**
 * The target-file record: a one-line text file holding the full path of the
 * file that the alarm opens.
 */
namespace Module1 {

/// Where the record lives.
inline const QString targetFileRecord = QStringLiteral("c:\\alarm_file.txt");

/// What ReadTargetFile gives in place of a path when there is no usable target.
inline const QString noTarget = QStringLiteral("ERROR");

/// The file-name pattern that Set File hands to the chooser.
inline QString FilePattern;

enum class WriteResult {
    Written,        ///< the record holds the new path
    NothingToWrite, ///< no path could be composed; the record is as it was
    Failed,         ///< the record could not be written and is as it was
};

/**
 * Replaces the record with one line: the path that @p composePath yields.
 * The record changes in one step, once the new one is complete; if
 * @p composePath yields nothing, or writing fails, it keeps its old content.
 */
WriteResult WriteTargetFile(SequentialFiles &files, const std::function<std::optional<QString>()> &composePath);

/// What the record names, read once.
struct Target {
    enum class Status {
        Found,       ///< path is the file to open
        NoRecord,    ///< there is no record: nothing has been chosen
        EmptyRecord, ///< the record holds no line
        Missing,     ///< path, as the record names it, is no full path of an existing file
    };
    Status status;
    QString path;
};

/// Reads the record: its last line, with its spaces trimmed, decides.
Target LookUpTarget(SequentialFiles &files);

/**
 * The target file's path as LookUpTarget() finds it; noTarget when there is
 * no record or the last line names no existing file; empty text when the
 * record is empty.
 */
QString ReadTargetFile(SequentialFiles &files);

/// Opens @p path for input when it exists; its file number, or -1.
qint16 OpenForInput(SequentialFiles &files, const QString &path);

} // namespace Module1
