// SPDX-License-Identifier: GPL-3.0-or-later
// FailingSaveFile: a save file on a disk that fills up after a given number of bytes.
#pragma once

#include <QSaveFile>

class FailingSaveFile final : public QSaveFile
{
public:
    FailingSaveFile(const QString &name, qint64 room)
        : QSaveFile(name)
        , m_room(room)
    {
    }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        // What a full disk does: what fits is written, then nothing more.
        const qint64 fits = qMin(length, m_room);
        if (fits <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_room -= fits;
        return QSaveFile::writeData(data, fits);
    }

private:
    qint64 m_room;
};
