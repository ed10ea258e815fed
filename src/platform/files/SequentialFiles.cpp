// SPDX-License-Identifier: GPL-3.0-or-later
// SequentialFiles: numbered text files, opened for reading lines or for writing them.
#include "SequentialFiles.h"

#include "FileSystemObject.h"
#include "FileText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStringList>

namespace {

Q_LOGGING_CATEGORY(lcFiles, "dorvane.files")

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

// Why a path that exists but is no regular file is left alone, for the user.
QString notRegularFile(const QFileInfo &info)
{
    return info.isDir() ? SequentialFiles::tr("a folder stands in its place; Dorvane leaves it as it is")
                        : SequentialFiles::tr("it is not a regular file but a device or a pipe; Dorvane leaves it as it is");
}

} // namespace

struct SequentialFiles::OpenFile {
    QStringList lines;
    qsizetype nextLine = 0;
    std::unique_ptr<QSaveFile> output;
    QString text; ///< what was printed, written at close() in the encoding that holds all of it
    QString localPath;
};

SequentialFiles::SequentialFiles(const DriveMap &drives, SaveFileMaker makeSaveFile)
    : m_drives(drives)
    , m_makeSaveFile(std::move(makeSaveFile))
{
    if (!m_makeSaveFile)
        m_makeSaveFile = [](const QString &localPath) { return std::make_unique<QSaveFile>(localPath); };
}

SequentialFiles::~SequentialFiles() = default;

int SequentialFiles::freeFile() const
{
    int number = 1;
    while (m_open.count(number))
        ++number;
    return number;
}

std::optional<QString> SequentialFiles::localRegularFile(const QString &path, int fileNumber)
{
    const QString local = m_drives.localPath(path);
    if (m_open.count(fileNumber)) {
        fail(local, SequentialFiles::tr("file number %1 is already open").arg(fileNumber));
        return std::nullopt;
    }
    // Reading a pipe would wait for a writer, and a device may never end;
    // saving would put a regular file in its place, or, through a link, in
    // the place of whatever the link points at.
    const QFileInfo info(local);
    if (info.exists() && !info.isFile()) {
        fail(local, notRegularFile(info));
        return std::nullopt;
    }
    return local;
}

bool SequentialFiles::openForInput(const QString &path, int fileNumber)
{
    const std::optional<QString> opened = localRegularFile(path, fileNumber);
    if (!opened)
        return false;
    const QString &local = *opened;
    QFile file(local);
    if (!file.open(QIODevice::ReadOnly))
        return fail(local, file.errorString());
    const QByteArray bytes = file.read(maxInputBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(local, file.errorString());
    if (bytes.size() > maxInputBytes)
        return fail(local, SequentialFiles::tr("it holds more than %1 KB, far more than a settings file does")
                               .arg(maxInputBytes / 1024));
    auto entry = std::make_unique<OpenFile>();
    entry->lines = linesOf(bytes);
    entry->localPath = local;
    m_open[fileNumber] = std::move(entry);
    return true;
}

bool SequentialFiles::openForOutput(const QString &path, int fileNumber)
{
    const std::optional<QString> opened = localRegularFile(path, fileNumber);
    if (!opened)
        return false;
    const QString &local = *opened;
    QString reason;
    if (!m_drives.prepareFolderFor(local, &reason))
        return fail(local, reason);
    auto entry = std::make_unique<OpenFile>();
    entry->output = m_makeSaveFile(local);
    // Unbuffered: what close() writes meets the disk at once, so a full disk
    // shows there. Buffered, QSaveFile would commit content whose last flush
    // failed as if nothing went wrong.
    if (!entry->output->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // QSaveFile blames the file ("is not writable") where the whole disk refuses.
        return fail(local, FileSystemObject::onReadOnlyFileSystem(local)
                               ? SequentialFiles::tr("the file system it is on is read-only")
                               : entry->output->errorString());
    }
    entry->localPath = local;
    m_open[fileNumber] = std::move(entry);
    return true;
}

QString SequentialFiles::lineInput(int fileNumber)
{
    const auto it = m_open.find(fileNumber);
    if (it == m_open.end() || it->second->nextLine >= it->second->lines.size())
        return {};
    return it->second->lines.at(it->second->nextLine++);
}

void SequentialFiles::printLine(int fileNumber, const QString &text)
{
    const auto it = m_open.find(fileNumber);
    if (it == m_open.end() || !it->second->output)
        return;
    it->second->text += text + QStringLiteral("\r\n");
}

bool SequentialFiles::endOfFile(int fileNumber) const
{
    const auto it = m_open.find(fileNumber);
    return it == m_open.end() || it->second->nextLine >= it->second->lines.size();
}

bool SequentialFiles::close(int fileNumber)
{
    const auto it = m_open.find(fileNumber);
    if (it == m_open.end())
        return true;
    const std::unique_ptr<OpenFile> entry = std::move(it->second);
    m_open.erase(it);
    if (!entry->output)
        return true;
    // Written in one piece, in the encoding chosen for the whole text.
    QSaveFile &output = *entry->output;
    const QByteArray bytes = FileText::encode(entry->text);
    const qint64 written = output.write(bytes);
    if (written != bytes.size()) {
        return fail(entry->localPath,
                    output.error() != QFileDevice::NoError
                        ? output.errorString()
                        //: %n bytes were written of %1; the noun may go with either number.
                        : SequentialFiles::tr("the disk took only %n of %1 bytes; it may be full", nullptr,
                                              int(qMax<qint64>(written, 0)))
                              .arg(bytes.size()));
    }
    if (!output.commit())
        return fail(entry->localPath, output.errorString());
    return true;
}

QStringList SequentialFiles::linesOf(QByteArray bytes)
{
    return splitLines(FileText::decode(bytes));
}

qint16 SequentialFiles::openIfExists(const QString &path)
{
    // Something that is no regular file is refused by openForInput(), which
    // says why; nothing at all is no error.
    if (!FileSystemObject(m_drives).Exists(path))
        return -1;
    const int number = freeFile();
    if (!openForInput(path, number))
        return -1;
    return static_cast<qint16>(number);
}

bool SequentialFiles::fail(const QString &localPath, const QString &reason)
{
    m_lastError = {QDir::toNativeSeparators(localPath), reason};
    qCWarning(lcFiles).noquote() << m_lastError.path << m_lastError.reason;
    return false;
}
