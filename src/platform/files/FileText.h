// SPDX-License-Identifier: GPL-3.0-or-later
// FileText: which bytes the settings files hold for their text, and back.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringConverter>

/**
 * The encoding of the settings files. Files from before Unicode hold their
 * text in the system's 8-bit encoding (on Windows the ANSI code page), and
 * editors today write UTF-8, with or without a byte-order mark; all of them
 * are read. A file is written in the system's encoding whenever that holds its
 * text, so that every older reader still understands it, and as UTF-8 with a
 * byte-order mark otherwise, so that no character of a path is ever lost.
 * @p ansi stands for the system's encoding.
 */
namespace FileText {

/// The text of @p bytes: UTF-8 after a byte-order mark or when the bytes are valid UTF-8, else @p ansi.
QString decode(const QByteArray &bytes, QStringConverter::Encoding ansi = QStringConverter::System);

/// The bytes for @p text: in @p ansi when decode() reads them back as @p text, else a byte-order mark and UTF-8.
QByteArray encode(QStringView text, QStringConverter::Encoding ansi = QStringConverter::System);

} // namespace FileText
