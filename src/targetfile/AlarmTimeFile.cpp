// SPDX-License-Identifier: GPL-3.0-or-later
// AlarmTimeFile: the one-line file that keeps the alarm time of day.
#include "AlarmTimeFile.h"

#include "FileSystemObject.h"
#include "Text.h"
#include "TimeText.h"

#include <QDir>

namespace AlarmTimeFile {

namespace {

const QTime noon(12, 0, 0);

bool writeLine(SequentialFiles &files, int fileNumber, const QString &line)
{
    if (!files.openForOutput(path, fileNumber))
        return false;
    files.printLine(fileNumber, line);
    return files.close(fileNumber);
}

} // namespace

Restored restore(SequentialFiles &files, const std::function<qint16(const QString &)> &openFile)
{
    if (!FileSystemObject(files.drives()).FileExists(path)) {
        const QString firstStartLine = QStringLiteral("00:00:00 pm");
        const QTime time = TimeText::Parse(firstStartLine).value_or(noon);
        if (!writeLine(files, 2, firstStartLine))
            return {Restored::Status::NotCreated, time, files.lastError()};
        return {Restored::Status::Created, time};
    }
    const qint16 fileNumber = openFile(path);
    if (fileNumber == -1)
        return {Restored::Status::Unreadable, noon, files.lastError()};
    const bool empty = files.endOfFile(fileNumber);
    const QString line = files.lineInput(fileNumber);
    (void)files.close(fileNumber);
    if (const std::optional<QTime> time = TimeText::Parse(Trim(line)))
        return {Restored::Status::Read, *time};
    return {Restored::Status::NotATime, noon, {}, QDir::toNativeSeparators(files.drives().localPath(path)),
            empty ? std::nullopt : std::optional(line)};
}

bool save(SequentialFiles &files, QTime value, int fileNumber)
{
    return writeLine(files, fileNumber, TimeText::Format(value));
}

} // namespace AlarmTimeFile
