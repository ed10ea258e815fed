// SPDX-License-Identifier: GPL-3.0-or-later
// FuzzSupport: turning the fuzzer's bytes into text, and failing loudly when a property breaks.
#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace FuzzSupport {

/// The bytes as UTF-16 code units: any text a QString may hold, lone surrogates and controls included.
inline QString utf16(const uint8_t *data, size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * sizeof(QChar));
    return text;
}

/// @p text with everything outside printable ASCII written as \uXXXX, for a report a terminal can show.
inline QByteArray escaped(const QString &text)
{
    QByteArray shown;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'\\')
            shown += char(c.unicode());
        else
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toLatin1();
    }
    return shown;
}

[[noreturn]] inline void broken(const char *property, const QString &detail, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n  with: \"%s\"\n", file, line, property, escaped(detail).constData());
    // An abort is what libFuzzer keeps as a crash, with the input that caused it.
    std::abort();
}

} // namespace FuzzSupport

/// Stops the run, keeping the input, when @p property does not hold; @p detail says for what.
#define FUZZ_CHECK(property, detail)                                                                                   \
    do {                                                                                                               \
        if (!(property))                                                                                               \
            FuzzSupport::broken(#property, (detail), __FILE__, __LINE__);                                              \
    } while (false)
