// SPDX-License-Identifier: GPL-3.0-or-later
// Module1: the record that names the file to open at the alarm.
#include "Module1.h"

#include "FileSystemObject.h"
#include "SequentialFiles.h"
#include "Text.h"

#include <QStringList>

namespace Module1 {

namespace {

/// The record's lines with their spaces trimmed; no value when there is no record to read.
std::optional<QStringList> recordLines(SequentialFiles &files)
{
    const qint16 fileNumber = OpenForInput(files, targetFileRecord);
    if (fileNumber == -1)
        return std::nullopt;
    QStringList lines;
    while (!files.endOfFile(fileNumber))
        lines.append(Trim(files.lineInput(fileNumber)));
    (void)files.close(fileNumber);
    return lines;
}

} // namespace

WriteResult WriteTargetFile(SequentialFiles &files, const std::function<std::optional<QString>()> &composePath)
{
    // Composed before the record is touched: nothing to write leaves it whole.
    const std::optional<QString> path = composePath();
    if (!path)
        return WriteResult::NothingToWrite;
    constexpr int fileNumber = 1;
    if (!files.openForOutput(targetFileRecord, fileNumber))
        return WriteResult::Failed;
    files.printLine(fileNumber, *path);
    return files.close(fileNumber) ? WriteResult::Written : WriteResult::Failed;
}

QString ReadTargetFile(SequentialFiles &files)
{
    const std::optional<QStringList> lines = recordLines(files);
    if (!lines)
        return noTarget;
    // The last line decides; an empty record names nothing, which is not an error.
    if (lines->isEmpty())
        return QString();
    return FileSystemObject(files.drives()).FileExists(lines->last()) ? lines->last() : noTarget;
}

qint16 OpenForInput(SequentialFiles &files, const QString &path)
{
    return files.openIfExists(path);
}

QString recordedPath(SequentialFiles &files)
{
    const std::optional<QStringList> lines = recordLines(files);
    return lines && !lines->isEmpty() ? lines->last() : QString();
}

} // namespace Module1
