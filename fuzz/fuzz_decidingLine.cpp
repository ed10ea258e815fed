// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the target-file record: the last line that is not blank decides, as a plain model of it says,
// and reading the record from disk names exactly that line, or the file its file: address names.
#include "DriveMap.h"
#include "FileSystemObject.h"
#include "FullPath.h"
#include "FuzzSupport.h"
#include "Module1.h"
#include "SequentialFiles.h"
#include "Text.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>

namespace {

std::optional<QString> lastNonBlankLine(const QStringList &lines)
{
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (!std::all_of(lines[i].cbegin(), lines[i].cend(), [](QChar c) { return c.isSpace(); }))
            return lines[i];
    }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir settings;
    static SequentialFiles files{DriveMap(settings.path())};
    using Status = Module1::Target::Status;

    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString shown = QString::fromLatin1(bytes);
    const QStringList lines = SequentialFiles::linesOf(bytes);
    const std::optional<QString> deciding = Module1::decidingLine(lines);
    FUZZ_CHECK(deciding == lastNonBlankLine(lines), shown);

    QFile record(settings.filePath(QStringLiteral("alarm_file.txt")));
    if (!record.open(QIODevice::WriteOnly) || record.write(bytes) != bytes.size())
        std::abort();
    record.close();

    const Module1::Target target = Module1::lookUpTarget(files);
    FUZZ_CHECK(files.freeFile() == 1, shown);
    if (bytes.size() > SequentialFiles::maxInputBytes) {
        FUZZ_CHECK(target.status == Status::Unreadable, shown);
        return 0;
    }
    FUZZ_CHECK((target.status == Status::EmptyRecord) == !deciding, shown);
    if (!deciding)
        return 0;
    // The line names a path as written, with its spaces trimmed, or as the
    // path of a file: address of this computer.
    const QString trimmed = Trim(*deciding);
    const QUrl address(trimmed);
    const bool fileUrl = trimmed.startsWith(u"file:", Qt::CaseInsensitive);
    const bool otherComputer =
        fileUrl && !address.host().isEmpty() && address.host().compare(u"localhost", Qt::CaseInsensitive) != 0;
    const QString addressed = address.host().isEmpty() ? address.toLocalFile() : address.path(QUrl::FullyDecoded);
    const bool named = target.path == *deciding || target.path == trimmed || (fileUrl && target.path == addressed);
    QFile chosen(target.path);
    switch (target.status) {
    case Status::Found:
        FUZZ_CHECK(named && IsFullPath(target.path) && FileSystemObject().FileExists(target.path), shown);
        FUZZ_CHECK(chosen.open(QIODevice::ReadOnly), shown);
        break;
    case Status::CannotRead:
        FUZZ_CHECK(named && IsFullPath(target.path) && !chosen.open(QIODevice::ReadOnly), shown);
        break;
    case Status::NotFullPath:
        FUZZ_CHECK(target.path == trimmed && !IsFullPath(target.path), shown);
        break;
    case Status::OtherComputer:
        FUZZ_CHECK(target.path == trimmed && otherComputer, shown);
        break;
    case Status::EndsInSeparator:
        // The same name as an existing file, and nothing after it but separators.
        FUZZ_CHECK(named && target.path.size() > target.obstacle.size() && target.path.startsWith(target.obstacle), shown);
        FUZZ_CHECK(std::all_of(target.path.cbegin() + target.obstacle.size(), target.path.cend(),
                               [](QChar c) { return c == u'/'; }),
                   shown);
        FUZZ_CHECK(FileSystemObject().FileExists(target.obstacle), shown);
        break;
    case Status::Missing:
    case Status::NotAFile:
        FUZZ_CHECK(named && IsFullPath(target.path) && !FileSystemObject().FileExists(target.path), shown);
        break;
    default:
        FUZZ_CHECK(!"a record that was just written is read", shown + QStringLiteral(" -> ") + target.reason);
    }
    return 0;
}
