// SPDX-License-Identifier: GPL-3.0-or-later
// DriveMap: without drives, drive C is the program's settings folder.
#include "DriveMap.h"

#include <QFile>
#include <QStandardPaths>
#include <QUtf8StringView>

namespace {

// The bytes as a notice can show them: UTF-8 text as it reads, any other byte as \xFF.
QString shownBytes(const QByteArray &bytes)
{
    QString shown;
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar lead = uchar(bytes.at(i));
        const qsizetype length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        const QByteArray sequence = bytes.mid(i, length);
        if (length > 0 && sequence.size() == length && QUtf8StringView(sequence).isValidUtf8()) {
            shown += QString::fromUtf8(sequence);
            i += length;
        } else {
            shown += QStringLiteral("\\x") + QString::number(lead, 16).toUpper().rightJustified(2, u'0');
            ++i;
        }
    }
    return shown;
}

} // namespace

std::optional<DriveMap> DriveMap::forThisSystem(Unnamed *why)
{
    // $XDG_CONFIG_HOME/dorvane, or ~/.config/dorvane when it is not set. Qt
    // reads either as UTF-8 and puts U+FFFD for what is not: a folder that
    // differs from the one named, where the settings would go unnoticed.
    const char *variable = qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME") ? "HOME" : "XDG_CONFIG_HOME";
    const QByteArray named = qgetenv(variable);
    if (QFile::encodeName(QFile::decodeName(named)) != named) {
        *why = {QString::fromLatin1(variable), shownBytes(named)};
        return std::nullopt;
    }
    return DriveMap(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                    + QStringLiteral("/dorvane"));
}
