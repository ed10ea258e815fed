// SPDX-License-Identifier: GPL-3.0-or-later
// TestFiles: writing and reading test files byte for byte.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QTest>

namespace TestFiles {

/// Creates or replaces the file at @p path with exactly @p bytes.
inline void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

/// What the file at @p path holds, or "<missing>" when it cannot be read.
inline QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace TestFiles
