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

Target LookUpTarget(SequentialFiles &files)
{
    const qint16 fileNumber = OpenForInput(files, targetFileRecord);
    if (fileNumber == -1)
        return {Target::Status::NoRecord, QString()};
    QString last;
    bool empty = true;
    while (!files.endOfFile(fileNumber)) {
        last = Trim(files.lineInput(fileNumber));
        empty = false;
    }
    (void)files.close(fileNumber);
    if (empty)
        return {Target::Status::EmptyRecord, QString()};
    // The record holds full paths. Anything else would be looked up wherever
    // the program was started, which may hold some other file of that name.
    const bool exists = FileSystemObject::IsFullPath(last) && FileSystemObject().FileExists(last);
    return {exists ? Target::Status::Found : Target::Status::Missing, last};
}

QString ReadTargetFile(SequentialFiles &files)
{
    const Target target = LookUpTarget(files);
    switch (target.status) {
    case Target::Status::Found:
        return target.path;
    case Target::Status::EmptyRecord:
        // An empty record names nothing, which is not an error.
        return QString();
    case Target::Status::NoRecord:
    case Target::Status::Missing:
        break;
    }
    return noTarget;
}

qint16 OpenForInput(SequentialFiles &files, const QString &path)
{
    return files.openIfExists(path);
}

} // namespace Module1
