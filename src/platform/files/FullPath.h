// SPDX-License-Identifier: GPL-3.0-or-later
// FullPath: whether a path names a file from the root of a file system of this system.
#pragma once

#include <QStringView>

/**
 * True when @p path names a file from the root of a file system of this
 * system ("/music/a.mp3"; on Windows "C:\music\a.mp3" or
 * "\\server\share\a.mp3"), not from wherever the program happens to run.
 */
bool IsFullPath(QStringView path);
