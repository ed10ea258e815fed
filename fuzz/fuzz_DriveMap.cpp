// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the drive-C path mapping: no drive-C path leaves the settings folder, and every other path stays as it is.
#include "DriveMap.h"
#include "FuzzSupport.h"

#include <QDir>
#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The settings folder comes from the environment too: text before a NUL
    // is the folder, the rest the path; without a NUL, a usual folder.
    const QString input = FuzzSupport::utf16(data, size);
    const qsizetype nul = input.indexOf(QChar(0));
    const QString root = nul < 0 ? QStringLiteral("/home/zoe/.config/dorvane") : input.first(nul);
    const QString path = nul < 0 ? input : input.sliced(nul + 1);
    const QString shown = root + QStringLiteral(" | ") + path;

    const QString local = DriveMap(root).localPath(path);
    const QString folder = QDir::cleanPath(root);
    const bool onDriveC = path.size() >= 3 && (path[0] == u'C' || path[0] == u'c') && path[1] == u':'
        && (path[2] == u'\\' || path[2] == u'/');
    if (folder.isEmpty() || !onDriveC) {
        FUZZ_CHECK(local == path, shown + QStringLiteral(" -> ") + local);
        return 0;
    }

    FUZZ_CHECK(local.startsWith(folder + u'/'), shown + QStringLiteral(" -> ") + local);
    const QString below = local.sliced(folder.size() + 1);
    if (!below.isEmpty()) {
        for (const QString &part : below.split(u'/')) {
            FUZZ_CHECK(!part.isEmpty() && part != u"." && part != u".." && !part.contains(u'\\'),
                       shown + QStringLiteral(" -> ") + local);
        }
    }
    // As the file system reads it, the path lies in the folder too; a
    // relative folder is read from some working folder.
    const auto resolved = [](const QString &path) {
        return QDir::cleanPath(path.startsWith(u'/') ? path : QStringLiteral("/work/") + path);
    };
    const QString cleaned = resolved(local);
    const QString base = resolved(folder);
    FUZZ_CHECK(cleaned == base || cleaned.startsWith(base.endsWith(u'/') ? base : base + u'/'),
               shown + QStringLiteral(" -> ") + cleaned);
    return 0;
}
