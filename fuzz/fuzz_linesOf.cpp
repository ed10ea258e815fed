// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the numbered files' line reader: lines never hold a line end, and written out again they read back the same.
#include "FuzzSupport.h"
#include "SequentialFiles.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = SequentialFiles::linesOf(bytes);
    const QString shown = QString::fromLatin1(bytes);

    qsizetype characters = 0;
    for (const QString &line : lines) {
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'), shown);
        characters += line.size();
    }
    // No byte of a settings file yields more than one UTF-16 unit, and a line needs a line end or a character.
    FUZZ_CHECK(characters <= bytes.size(), shown);
    FUZZ_CHECK(lines.size() <= bytes.count('\r') + bytes.count('\n') + 1, shown);

    // Whichever line end a hand edit used, and with or without a byte-order
    // mark, the lines are the same; without the mark, a first line that
    // starts with U+FEFF would read as if it were one.
    const bool startsLikeMark = !lines.isEmpty() && lines.first().startsWith(QChar(0xFEFF));
    for (const char *lineEnd : {"\r\n", "\n", "\r"}) {
        QByteArray written;
        for (const QString &line : lines)
            written += line.toUtf8() + lineEnd;
        FUZZ_CHECK(SequentialFiles::linesOf("\xEF\xBB\xBF" + written) == lines, shown);
        FUZZ_CHECK(startsLikeMark || SequentialFiles::linesOf(written) == lines, shown);
    }
    return 0;
}
