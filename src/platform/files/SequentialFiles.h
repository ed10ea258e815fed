// SPDX-License-Identifier: GPL-3.0-or-later
// SequentialFiles: numbered text files, opened for reading lines or for writing them.
#pragma once

#include "DriveMap.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QSaveFile;

#include <functional>
#include <map>
#include <memory>
#include <optional>

/**
 * The table of open numbered files. A file number names one open file from
 * its opening to its closing.
 *
 * Text is encoded as FileText says: the system's 8-bit encoding when it holds
 * the text, UTF-8 otherwise. Reading takes lines ended by CR LF, LF or CR;
 * writing ends every line with CR LF.
 *
 * A file opened for output is written whole or not at all: its new content
 * goes to a temporary file that replaces the old one only when close()
 * succeeds, so the old content survives any failure on the way.
 *
 * Only regular files are read or written, directly or through links: a
 * folder, a device or a pipe at a path is left exactly as it is. A file is
 * read only up to maxInputBytes; a longer one is refused as unreadable.
 *
 * Paths go through the DriveMap given at construction.
 */
class SequentialFiles
{
    Q_DECLARE_TR_FUNCTIONS(SequentialFiles)

public:
    /// What went wrong with the last call that failed.
    struct Error {
        QString path;   ///< the local path, in the system's own notation
        QString reason; ///< why, in plain words
    };

    /// Settings files hold a line or two; no full path comes near this.
    static constexpr qint64 maxInputBytes = 64 * 1024;

    /// Makes the file that an output goes to; a test may hand in one that fails.
    using SaveFileMaker = std::function<std::unique_ptr<QSaveFile>(const QString &localPath)>;

    explicit SequentialFiles(const DriveMap &drives, SaveFileMaker makeSaveFile = {});
    ~SequentialFiles();
    SequentialFiles(const SequentialFiles &) = delete;
    SequentialFiles &operator=(const SequentialFiles &) = delete;

    const DriveMap &drives() const { return m_drives; }

    /// The lowest file number not in use.
    int freeFile() const;

    /// Opens the existing file @p path for reading lines from its start.
    [[nodiscard]] bool openForInput(const QString &path, int fileNumber);

    /// Opens @p path for writing; its old content stays until close() commits the new.
    [[nodiscard]] bool openForOutput(const QString &path, int fileNumber);

    /// The next line without its terminator; an empty string past the end.
    QString lineInput(int fileNumber);

    /// Writes @p text and CR LF.
    void printLine(int fileNumber, const QString &text);

    /// True when no further line can be read.
    bool endOfFile(int fileNumber) const;

    /// Closes the file; for output, commits what was written. False when that failed.
    [[nodiscard]] bool close(int fileNumber);

    /**
     * Opens @p path for input under a free file number when the file exists.
     * Returns that number, or -1 when there is no such file or it cannot be
     * read; lastError() then says why, unless nothing stands at @p path.
     */
    qint16 openIfExists(const QString &path);

    /// Why the last failing call failed.
    Error lastError() const { return m_lastError; }

    /// The lines that the file content @p bytes holds, as openForInput() reads them.
    static QStringList linesOf(QByteArray bytes);

private:
    struct OpenFile;

    bool fail(const QString &localPath, const QString &reason);
    /// The local path of @p path, if it may be opened under @p fileNumber; otherwise fails.
    std::optional<QString> localRegularFile(const QString &path, int fileNumber);

    DriveMap m_drives;
    SaveFileMaker m_makeSaveFile;
    std::map<int, std::unique_ptr<OpenFile>> m_open;
    Error m_lastError;
};
