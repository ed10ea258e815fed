// SPDX-License-Identifier: GPL-3.0-or-later
// ProcTables: what Linux's /proc tables say about locks, processes and sockets.
#include "ProcTables.h"

#include <QFile>

namespace ProcTables {

namespace {

QList<QByteArray> fields(QByteArrayView line)
{
    return line.toByteArray().simplified().split(' ');
}

} // namespace

std::optional<qint64> flockHolder(QByteArrayView locks, uint major, uint minor, quint64 inode)
{
    // "1: FLOCK  ADVISORY  WRITE 4242 fd:01:1311 0 EOF"; a waiter's line has "->" after the number.
    for (const QByteArray &line : locks.toByteArray().split('\n')) {
        const QList<QByteArray> field = fields(line);
        if (field.size() < 6 || field.at(1) != "FLOCK")
            continue;
        const QList<QByteArray> where = field.at(5).split(':');
        bool ok[4] = {};
        if (where.size() != 3 || where.at(0).toUInt(&ok[0], 16) != major || where.at(1).toUInt(&ok[1], 16) != minor
            || where.at(2).toULongLong(&ok[2]) != inode)
            continue;
        const qint64 pid = field.at(4).toLongLong(&ok[3]);
        if (ok[0] && ok[1] && ok[2] && ok[3] && pid > 0)
            return pid;
    }
    return std::nullopt;
}

std::optional<uint> effectiveUid(QByteArrayView status)
{
    // "Uid:\t<real>\t<effective>\t<saved>\t<file system>"
    for (const QByteArray &line : status.toByteArray().split('\n')) {
        const QList<QByteArray> field = fields(line);
        if (field.size() < 3 || field.at(0) != "Uid:")
            continue;
        bool ok = false;
        const uint uid = field.at(2).toUInt(&ok);
        return ok ? std::optional<uint>(uid) : std::nullopt;
    }
    return std::nullopt;
}

QList<QByteArray> abstractNames(QByteArrayView sockets)
{
    // "Num RefCount Protocol Flags Type St Inode Path"; a call a socket took carries its name too.
    QList<QByteArray> names;
    for (const QByteArray &line : sockets.toByteArray().split('\n')) {
        const QList<QByteArray> field = fields(line);
        if (field.size() >= 8 && field.at(7).startsWith('@') && !names.contains(field.at(7).mid(1)))
            names.append(field.at(7).mid(1));
    }
    return names;
}

QByteArray read(const char *path)
{
    // A /proc table tells no size ahead: readAll() reads on to its end.
    QFile table(QString::fromLatin1(path));
    return table.open(QIODevice::ReadOnly) ? table.readAll() : QByteArray();
}

} // namespace ProcTables
