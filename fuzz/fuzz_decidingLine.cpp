// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the target-file record: the last line that is not blank decides, as a plain model of it says,
// and reading the record from disk names exactly that line.
#include "DriveMap.h"
#include "FileSystemObject.h"
#include "FullPath.h"
#include "FuzzSupport.h"
#include "Module1.h"
#include "SequentialFiles.h"
#include "Text.h"

#include <QFile>
#include <QTemporaryDir>

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
    switch (target.status) {
    case Status::Found:
        // The line as written, or with its spaces trimmed; a full path of a file that exists.
        FUZZ_CHECK(target.path == *deciding || target.path == Trim(*deciding), shown);
        FUZZ_CHECK(IsFullPath(target.path) && FileSystemObject().FileExists(target.path), shown);
        break;
    case Status::NotFullPath:
        FUZZ_CHECK(target.path == Trim(*deciding) && !IsFullPath(target.path), shown);
        break;
    case Status::Missing:
    case Status::NotAFile:
        FUZZ_CHECK(target.path == Trim(*deciding) && !FileSystemObject().FileExists(target.path), shown);
        break;
    default:
        FUZZ_CHECK(!"a record that was just written is read", shown + QStringLiteral(" -> ") + target.reason);
    }
    return 0;
}
