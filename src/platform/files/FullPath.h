// SPDX-License-Identifier: GPL-3.0-or-later
// FullPath: whether a path names a file from the root of a file system of this system.
#pragma once

#include <QString>
#include <QStringView>
#include <QUrl>

#include <optional>

/**
 * True when @p path names a file from the root of a file system of this
 * system ("/music/a.mp3"; on Windows "C:\music\a.mp3" or
 * "\\server\share\a.mp3"), not from wherever the program happens to run.
 */
bool IsFullPath(QStringView path);

/// True when @p text is a file: address ("file:///music/a.mp3", as file managers copy a file).
inline bool IsFileUrl(QStringView text)
{
    return text.startsWith(u"file:", Qt::CaseInsensitive);
}

/**
 * The path that the file: address @p url names, decoded ("file:///music/wake%20up.mp3"
 * names "/music/wake up.mp3"); no value when it names a file on another
 * computer that this system cannot reach by a path.
 */
std::optional<QString> PathOfFileUrl(const QUrl &url);
