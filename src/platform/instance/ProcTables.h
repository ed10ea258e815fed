// SPDX-License-Identifier: GPL-3.0-or-later
// ProcTables: what Linux's /proc tables say about locks, processes and sockets.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

/**
 * Readers of the tables the lock and the doorbell consult, each a pure
 * function of a table's text so that a test can hand in one of its own.
 */
namespace ProcTables {

/**
 * The process that holds an flock() on the file @p inode of the device
 * @p major:@p minor, as /proc/locks (@p locks) tells. Nothing when no such
 * lock is listed; the kernel leaves out locks whose holder it cannot name here.
 */
std::optional<qint64> flockHolder(QByteArrayView locks, uint major, uint minor, quint64 inode);

/// The effective user id of a process, from its /proc/PID/status (@p status).
std::optional<uint> effectiveUid(QByteArrayView status);

/// The names of the sockets in the abstract namespace, from /proc/net/unix (@p sockets), without "@".
QList<QByteArray> abstractNames(QByteArrayView sockets);

/// The whole of a /proc table; empty when it cannot be read.
QByteArray read(const char *path);

} // namespace ProcTables
