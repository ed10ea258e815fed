// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the target-file record: what is read back and how it is replaced.
#include "DriveMap.h"
#include "FullPath.h"
#include "Module1.h"
#include "SequentialFiles.h"
#include "TestFiles.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using Status = Module1::Target::Status;

class TestModule1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readTargetFile_data();
    void readTargetFile();
    void pathInFolder();
    void writeReplacesWithOneLine_data();
    void writeReplacesWithOneLine();
    void refusedWriteLeavesRecord_data();
    void refusedWriteLeavesRecord();
    void failedWriteLeavesRecord();
    void openForInput();

private:
    QString record() const { return m_dir->filePath(QStringLiteral("settings/alarm_file.txt")); }
    QString existing() const { return m_dir->filePath(QStringLiteral("music/song one.mp3")); }
    void writeRecord(const QByteArray &bytes);
    QByteArray recordBytes() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SequentialFiles> m_files;
};

void TestModule1::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("music")));
    TestFiles::write(existing(), "ID3");
    m_files = std::make_unique<SequentialFiles>(DriveMap(m_dir->filePath(QStringLiteral("settings"))));
}

void TestModule1::writeRecord(const QByteArray &bytes)
{
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("settings")));
    TestFiles::write(record(), bytes);
}

QByteArray TestModule1::recordBytes() const
{
    return TestFiles::read(record());
}

void TestModule1::readTargetFile_data()
{
    // In the record, @ stands for the existing song, ~ for its path as a file:
    // address writes it, & for the same name with a trailing space (another
    // file), # for a deleted one and % for a folder.
    QTest::addColumn<QByteArray>("content"); // "<none>": no record at all; "<folder>": a folder instead
    QTest::addColumn<QString>("result");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QString>("named"); // the path lookUpTarget reports

    QTest::newRow("no record") << QByteArray("<none>") << "ERROR" << Status::NoRecord << "";
    QTest::newRow("empty record") << QByteArray() << "" << Status::EmptyRecord << "";
    QTest::newRow("only blank lines") << QByteArray("\r\n   \r\n\t\n") << "" << Status::EmptyRecord << "";
    QTest::newRow("existing file") << QByteArray("@\r\n") << "@" << Status::Found << "@";
    QTest::newRow("spaces around the path") << QByteArray("   @  \r\n") << "@" << Status::Found << "@";
    QTest::newRow("LF line end") << QByteArray("@\n") << "@" << Status::Found << "@";
    QTest::newRow("no line end") << QByteArray("@") << "@" << Status::Found << "@";
    QTest::newRow("blank lines after the path") << QByteArray("@\r\n\r\n  \r\n") << "@" << Status::Found << "@";
    QTest::newRow("trailing space belongs to the name") << QByteArray("&\r\n") << "&" << Status::Found << "&";
    QTest::newRow("without it, the other file") << QByteArray("@\r\n") << "@" << Status::Found << "@";
    QTest::newRow("deleted file") << QByteArray("#\r\n") << "ERROR" << Status::Missing << "#";
    QTest::newRow("last line decides: existing") << QByteArray("#\r\n@\r\n") << "@" << Status::Found << "@";
    QTest::newRow("last line decides: deleted") << QByteArray("@\r\n#\r\n") << "ERROR" << Status::Missing << "#";
    QTest::newRow("a folder is not a file") << QByteArray("%\r\n") << "ERROR" << Status::NotAFile << "%";
    QTest::newRow("relative path, though such a file is here")
        << QByteArray("music/song one.mp3\r\n") << "ERROR" << Status::NotFullPath << "music/song one.mp3";
    // A file of this name lies in the settings folder, which stands for drive C
    // only for the program's own files. On Windows the path is a full one,
    // of a file that is not there; elsewhere it is no full path at all.
    QTest::newRow("drive C is not the settings folder")
        << QByteArray("c:\\dorvane-settings-only.mp3\r\n") << "ERROR"
        << (IsFullPath(QStringLiteral("c:\\x")) ? Status::Missing : Status::NotFullPath)
        << "c:\\dorvane-settings-only.mp3";
    QTest::newRow("separator doubled after the root, as older versions wrote") << QByteArray("^\r\n") << "^" << Status::Found << "^";
    QTest::newRow("file: address") << QByteArray("file://~\r\n") << "@" << Status::Found << "@";
    QTest::newRow("file: address of localhost, in capitals") << QByteArray("FILE://localhost~\r\n") << "@" << Status::Found
                                                             << "@";
    QTest::newRow("a file named as a folder") << QByteArray("@//\r\n") << "ERROR" << Status::EndsInSeparator << "@//";
    QTest::newRow("record far too long") << QByteArray(70'000, '/') << "ERROR" << Status::Unreadable << "<record>";
    QTest::newRow("a folder in the record's place") << QByteArray("<folder>") << "ERROR" << Status::Unreadable << "<record>";
}

void TestModule1::readTargetFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, result);
    QFETCH(Status, status);
    QFETCH(QString, named);
    const auto expand = [&](QString text) {
        return text.replace(u'@', existing())
            .replace(u'&', existing() + u' ')
            .replace(u'#', m_dir->filePath(QStringLiteral("music/deleted.mp3")))
            .replace(u'%', m_dir->filePath(QStringLiteral("music")))
            .replace(u'^', QString(existing()).insert(existing().indexOf(u'/'), u'/'))
            .replace(QStringLiteral("<record>"), QDir::toNativeSeparators(record()))
            .replace(u'~', QUrl::fromLocalFile(existing()).path(QUrl::FullyEncoded));
    };
    TestFiles::write(expand(QStringLiteral("&")), "another song");
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("settings")));
    TestFiles::write(m_dir->filePath(QStringLiteral("settings/dorvane-settings-only.mp3")), "ID3");
    const QString workingDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    auto restoreWorkingDir = qScopeGuard([&] { QDir::setCurrent(workingDir); });
    if (content == "<folder>")
        QVERIFY(QDir().mkpath(record()));
    else if (content != "<none>")
        writeRecord(expand(QString::fromUtf8(content)).toUtf8());

    QCOMPARE(Module1::ReadTargetFile(*m_files), expand(result));
    const Module1::Target target = Module1::lookUpTarget(*m_files);
    QCOMPARE(target.status, status);
    QCOMPARE(target.path, expand(named));
    QCOMPARE(target.reason.isEmpty(), status != Status::Unreadable);
    QCOMPARE(m_files->freeFile(), 1);
}

void TestModule1::pathInFolder()
{
    const QString root = QDir::toNativeSeparators(QDir::rootPath()); // "/", or "C:\" on Windows
    QCOMPARE(Module1::pathInFolder(root, QStringLiteral("a.mp3")), root + QStringLiteral("a.mp3"));
}

void TestModule1::writeReplacesWithOneLine_data()
{
    QTest::addColumn<QByteArray>("before"); // "<none>": no record at all
    QTest::newRow("no record yet") << QByteArray("<none>");
    QTest::newRow("empty record") << QByteArray();
    QTest::newRow("several lines") << QByteArray("/a.mp3\r\n/b.mp3\r\n/c.mp3\r\n");
}

void TestModule1::writeReplacesWithOneLine()
{
    QFETCH(QByteArray, before);
    if (before != "<none>")
        writeRecord(before);
    const auto result = Module1::WriteTargetFile(*m_files, [&] { return std::optional<QString>(existing()); });
    QCOMPARE(result, Module1::WriteResult::Written);
    QVERIFY(recordBytes().endsWith("\r\n"));
    QCOMPARE(SequentialFiles::linesOf(recordBytes()), QStringList{existing()});
    QCOMPARE(Module1::ReadTargetFile(*m_files), existing());
    QCOMPARE(Module1::lookUpTarget(*m_files).path, existing());
}

void TestModule1::refusedWriteLeavesRecord_data()
{
    QTest::addColumn<std::optional<QString>>("composed");
    QTest::addColumn<Module1::WriteResult>("result");
    QTest::newRow("nothing composed") << std::optional<QString>() << Module1::WriteResult::NothingToWrite;
    QTest::newRow("line feed in a name") << std::optional<QString>(QStringLiteral("/music/two\nlines.mp3"))
                                         << Module1::WriteResult::NotOneLine;
    QTest::newRow("carriage return in a folder's name") << std::optional<QString>(QStringLiteral("/a\rb/song.mp3"))
                                                        << Module1::WriteResult::NotOneLine;
}

void TestModule1::refusedWriteLeavesRecord()
{
    QFETCH(std::optional<QString>, composed);
    QFETCH(Module1::WriteResult, result);
    writeRecord("/old/choice.mp3\r\n");
    QCOMPARE(Module1::WriteTargetFile(*m_files, [&] { return composed; }), result);
    QCOMPARE(recordBytes(), QByteArray("/old/choice.mp3\r\n"));
}

void TestModule1::failedWriteLeavesRecord()
{
    // The settings folder's parent is a file: nothing can be written there.
    TestFiles::write(m_dir->filePath(QStringLiteral("blocker")), "");
    SequentialFiles files{DriveMap(m_dir->filePath(QStringLiteral("blocker/settings")))};
    bool composed = false;
    const auto result = Module1::WriteTargetFile(files, [&] {
        composed = true;
        return std::optional<QString>(existing());
    });
    QCOMPARE(result, Module1::WriteResult::Failed);
    QVERIFY(composed);
    QVERIFY(files.lastError().path.endsWith(QStringLiteral("alarm_file.txt")));
    QCOMPARE(Module1::ReadTargetFile(files), QStringLiteral("ERROR"));
    QCOMPARE(files.freeFile(), 1);
}

void TestModule1::openForInput()
{
    QCOMPARE(Module1::OpenForInput(*m_files, QStringLiteral("c:\\alarm_file.txt")), qint16(-1));
    writeRecord("x\r\n");
    const qint16 number = Module1::OpenForInput(*m_files, QStringLiteral("c:\\alarm_file.txt"));
    QCOMPARE(number, qint16(1));
    QCOMPARE(m_files->lineInput(number), QStringLiteral("x"));
    QVERIFY(m_files->close(number));
}

QTEST_GUILESS_MAIN(TestModule1)
#include "tst_Module1.moc"
