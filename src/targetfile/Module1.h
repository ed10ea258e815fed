// SPDX-License-Identifier: GPL-3.0-or-later
// Module1: the record that names the file to open at the alarm.
#pragma once

#include <QString>
#include <QStringList>

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
    NotOneLine,     ///< the path holds a line break, which a one-line record cannot; the record is as it was
    Failed,         ///< the record could not be written and is as it was
};

/// Whether the record's one line can hold @p path: it holds no line break.
bool fitsOneLine(QStringView path);

/**
 * Replaces the record with one line: the path that @p composePath yields.
 * The record changes in one step, once the new one is complete; if
 * @p composePath yields nothing, or writing fails, it keeps its old content.
 */
WriteResult WriteTargetFile(SequentialFiles &files, const std::function<std::optional<QString>()> &composePath);

/**
 * @p name in @p folder, both in the system's notation, as the record holds
 * it: one separator between them, also where @p folder is a root ("/", "C:\").
 */
QString pathInFolder(const QString &folder, const QString &name);

/// What the record names, read once, and why it names nothing to open.
struct Target {
    enum class Status {
        Found,       ///< path is the file to open
        NoRecord,    ///< there is no record: nothing has been chosen
        EmptyRecord, ///< the record holds no line but blank ones
        Unreadable,      ///< the record at path cannot be read, for the reason given
        NotFullPath,     ///< path is not a full path of this system
        Missing,         ///< nothing stands at path
        NotAFile,        ///< path is a folder, a device or a pipe
        CannotRead,      ///< the file at path cannot be read, for the reason given, or the folder obstacle may not be entered
        EndsInSeparator, ///< path ends in a separator, so names a folder, but obstacle (the name without it) is a file
        OtherComputer,   ///< path is the file: address of a file on another computer
    };
    Status status;
    QString path;
    QString reason;
    QString obstacle = {};
};

/// The line of @p lines that names the target: the last one that is not blank.
std::optional<QString> decidingLine(const QStringList &lines);

/**
 * Reads the record once. Its deciding line names the target exactly as
 * written when that is an existing file, else with its spaces trimmed (a
 * hand-edited record with stray spaces); two files whose names differ only
 * in a trailing space are never mixed up. A file: address of this computer
 * (pasted from a file manager) names the file at its path.
 */
Target lookUpTarget(SequentialFiles &files);

/**
 * The target file's path as lookUpTarget() finds it; empty text when the
 * record holds no line; noTarget for every other reason there is nothing to open.
 */
QString ReadTargetFile(SequentialFiles &files);

/// Opens @p path for input when it exists; its file number, or -1.
qint16 OpenForInput(SequentialFiles &files, const QString &path);

} // namespace Module1
