// SPDX-License-Identifier: GPL-3.0-or-later
// Module1: the record that names the file to open at the alarm.
#include "Module1.h"

#include "FileSystemObject.h"
#include "FullPath.h"
#include "SequentialFiles.h"
#include "Text.h"

#include <QDir>
#include <QUrl>

namespace Module1 {

namespace {

/// What the full path @p path names, and what stands in the way when it is no file to open.
Target examined(const QString &path)
{
    using Kind = FileSystemObject::Obstacle::Kind;
    const FileSystemObject::Obstacle obstacle = FileSystemObject().obstacleToReading(path);
    switch (obstacle.kind) {
    case Kind::None:
        return {Target::Status::Found, path, {}};
    case Kind::NotAFile:
        return {Target::Status::NotAFile, path, {}};
    case Kind::NoReading:
        return {Target::Status::CannotRead, path, obstacle.reason};
    case Kind::FolderBarred:
        return {Target::Status::CannotRead, path, {}, obstacle.at};
    case Kind::FileAsFolder:
        return {Target::Status::EndsInSeparator, path, {}, obstacle.at};
    case Kind::FileOnPath:
    case Kind::Nothing:
        break;
    }
    return {Target::Status::Missing, path, {}};
}

} // namespace

bool fitsOneLine(QStringView path)
{
    return !path.contains(u'\n') && !path.contains(u'\r');
}

WriteResult WriteTargetFile(SequentialFiles &files, const std::function<std::optional<QString>()> &composePath)
{
    // Composed before the record is touched: nothing to write leaves it whole.
    const std::optional<QString> path = composePath();
    if (!path)
        return WriteResult::NothingToWrite;
    if (!fitsOneLine(*path))
        return WriteResult::NotOneLine;
    constexpr int fileNumber = 1;
    if (!files.openForOutput(targetFileRecord, fileNumber))
        return WriteResult::Failed;
    files.printLine(fileNumber, *path);
    return files.close(fileNumber) ? WriteResult::Written : WriteResult::Failed;
}

QString pathInFolder(const QString &folder, const QString &name)
{
    return folder.endsWith(QDir::separator()) ? folder + name : folder + QDir::separator() + name;
}

std::optional<QString> decidingLine(const QStringList &lines)
{
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (!line->trimmed().isEmpty())
            return *line;
    }
    return std::nullopt;
}

Target lookUpTarget(SequentialFiles &files)
{
    if (!FileSystemObject(files.drives()).Exists(targetFileRecord))
        return {Target::Status::NoRecord, {}, {}};
    const qint16 fileNumber = OpenForInput(files, targetFileRecord);
    if (fileNumber == -1) {
        const SequentialFiles::Error error = files.lastError();
        return {Target::Status::Unreadable, error.path, error.reason};
    }
    QStringList lines;
    while (!files.endOfFile(fileNumber))
        lines.append(files.lineInput(fileNumber));
    (void)files.close(fileNumber);

    const std::optional<QString> line = decidingLine(lines);
    if (!line)
        return {Target::Status::EmptyRecord, {}, {}};
    // The record holds full paths. Anything else would be looked up wherever
    // the program was started, which may hold some other file of that name.
    const FileSystemObject chosen;
    const QString trimmed = Trim(*line);
    for (const QString &candidate : {*line, trimmed}) {
        if (IsFullPath(candidate) && chosen.FileExists(candidate))
            return examined(candidate);
    }
    if (IsFileUrl(trimmed)) {
        const std::optional<QString> path = PathOfFileUrl(QUrl(trimmed));
        if (!path)
            return {Target::Status::OtherComputer, trimmed, {}};
        if (IsFullPath(*path))
            return examined(*path);
    }
    if (!IsFullPath(trimmed))
        return {Target::Status::NotFullPath, trimmed, {}};
    return examined(trimmed);
}

QString ReadTargetFile(SequentialFiles &files)
{
    const Target target = lookUpTarget(files);
    switch (target.status) {
    case Target::Status::Found:
        return target.path;
    case Target::Status::EmptyRecord:
        // A record without a line names nothing, which is not an error.
        return QString();
    default:
        return noTarget;
    }
}

qint16 OpenForInput(SequentialFiles &files, const QString &path)
{
    return files.openIfExists(path);
}

} // namespace Module1
