// SPDX-License-Identifier: GPL-3.0-or-later
// Module1: the record that names the file to open at the alarm.
#include "Module1.h"

#include "FileSystemObject.h"
#include "SequentialFiles.h"
#include "Text.h"

namespace Module1 {

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
    const FileSystemObject fso(files.drives());
    if (!fso.FileExists(targetFileRecord))
        return noTarget;
    QString result;
    const qint16 fileNumber = OpenForInput(files, targetFileRecord);
    if (fileNumber == -1)
        return noTarget;
    while (!files.endOfFile(fileNumber)) {
        const QString line = Trim(files.lineInput(fileNumber));
        result = fso.FileExists(line) ? line : noTarget;
    }
    (void)files.close(fileNumber);
    return result;
}

qint16 OpenForInput(SequentialFiles &files, const QString &path)
{
    return files.openIfExists(path);
}

QString recordedPath(SequentialFiles &files)
{
    QString last;
    const qint16 fileNumber = OpenForInput(files, targetFileRecord);
    if (fileNumber == -1)
        return last;
    while (!files.endOfFile(fileNumber))
        last = Trim(files.lineInput(fileNumber));
    (void)files.close(fileNumber);
    return last;
}

} // namespace Module1
