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

/**
 * Gives @p path only @p permissions; true when that keeps this user from
 * reading the file @p probe. Root reads on regardless, and so does anyone on Windows.
 */
inline bool restrict(const QString &path, QFile::Permissions permissions, const QString &probe)
{
    if (!QFile::setPermissions(path, permissions))
        return false;
    QFile file(probe);
    return !file.open(QIODevice::ReadOnly);
}

} // namespace TestFiles
