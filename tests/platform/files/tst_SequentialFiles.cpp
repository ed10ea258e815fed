// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the numbered text files and of where drive-C paths lead.
#include "DriveMap.h"
#include "FailingSaveFile.h"
#include "FileSystemObject.h"
#include "FullPath.h"
#include "SequentialFiles.h"
#include "TestFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

class TestSequentialFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void localPath_data();
    void localPath();
    void withoutRootPathsStay();
    void settingsFolderOfThisSystem_data();
    void settingsFolderOfThisSystem();

    void readLines_data();
    void readLines();
    void printLineEndsWithCrLf();
    void writtenTextReadsBack_data();
    void writtenTextReadsBack();
    void fileNumbers();
    void openIfExists();
    void fileExistsOnlyForFiles();

    void driveRootCreatedWhenFirstWritten();
    void failedWriteKeepsOldContent_data();
    void failedWriteKeepsOldContent();
    void uncommittedOutputKeepsOldContent();
    void fullDiskKeepsOldContent_data();
    void fullDiskKeepsOldContent();
    void onlyRegularFiles_data();
    void onlyRegularFiles();
    void longFileRefused();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSequentialFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSequentialFiles::localPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("local");       // @: the root given
    QTest::addColumn<QString>("onRealDriveC"); // where drive C is real (Windows), if otherwise
    QTest::newRow("alarm-time file") << "C:\\9836v3.txt" << "@/9836v3.txt" << "";
    QTest::newRow("lower-case drive letter") << "c:\\alarm_file.txt" << "@/alarm_file.txt" << "";
    QTest::newRow("forward slash") << "c:/alarm_file.txt" << "@/alarm_file.txt" << "";
    // Deeper down drive C lie the user's files, and on Windows the temporary folder.
    QTest::newRow("subfolder") << "C:\\Music\\song.mp3" << "@/Music/song.mp3" << "C:\\Music\\song.mp3";
    QTest::newRow("cannot climb out of the root") << "C:\\..\\..\\etc\\passwd" << "@/etc/passwd"
                                                  << "C:\\..\\..\\etc\\passwd";
    QTest::newRow("other drive stays") << "D:\\song.mp3" << "D:\\song.mp3" << "";
    QTest::newRow("Unix path stays") << "/home/user/Music/song.mp3" << "/home/user/Music/song.mp3" << "";
    QTest::newRow("doubled separator stays") << "//song.mp3" << "//song.mp3" << "";
    QTest::newRow("drive letter alone stays") << "C:" << "C:" << "";
}

void TestSequentialFiles::localPath()
{
    QFETCH(QString, path);
    QFETCH(QString, local);
    QFETCH(QString, onRealDriveC);
    if (IsFullPath(QStringLiteral("C:\\Music")) && !onRealDriveC.isEmpty())
        local = onRealDriveC;
    const DriveMap drives(m_dir->path());
    QCOMPARE(drives.localPath(path), QString(local).replace(QStringLiteral("@"), m_dir->path()));
}

void TestSequentialFiles::withoutRootPathsStay()
{
    QCOMPARE(DriveMap().localPath(QStringLiteral("C:\\9836v3.txt")), QStringLiteral("C:\\9836v3.txt"));
}

void TestSequentialFiles::settingsFolderOfThisSystem_data()
{
    QTest::addColumn<QByteArray>("variable"); // set below the temporary folder, the other unset
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("shown"); // as the notice names it; empty where the folder is used

    QTest::newRow("XDG_CONFIG_HOME in UTF-8") << QByteArray("XDG_CONFIG_HOME") << QByteArray("/zo\xC3\xAB") << "";
    // Qt would read U+FFFD for the byte and name another folder: the settings would seem lost.
    QTest::newRow("XDG_CONFIG_HOME not UTF-8") << QByteArray("XDG_CONFIG_HOME") << QByteArray("/conf\xFF") << "@/conf\\xFF";
    QTest::newRow("HOME not UTF-8 after a letter") << QByteArray("HOME") << QByteArray("/\xC3\xAB\xC3")
                                                   << QStringLiteral("@/\u00EB\\xC3");
}

void TestSequentialFiles::settingsFolderOfThisSystem()
{
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(QString, shown);
    if (IsFullPath(QStringLiteral("C:\\")))
        QSKIP("Drive C is drive C here");
    const auto restore = qScopeGuard([xdg = qgetenv("XDG_CONFIG_HOME"), home = qgetenv("HOME")] {
        qputenv("XDG_CONFIG_HOME", xdg);
        qputenv("HOME", home);
    });
    qputenv(variable == "HOME" ? "XDG_CONFIG_HOME" : "HOME", QByteArray());
    qputenv(variable.constData(), QFile::encodeName(m_dir->path()) + value);

    DriveMap::Unnamed why;
    const std::optional<DriveMap> drives = DriveMap::forThisSystem(&why);
    QCOMPARE(drives ? QString() : why.variable + u' ' + why.value,
             shown.isEmpty() ? QString() : QString::fromLatin1(variable) + u' ' + shown.replace(u'@', m_dir->path()));
    if (drives)
        QCOMPARE(drives->localPath(QStringLiteral("C:\\9836v3.txt")),
                 QFile::decodeName(QFile::encodeName(m_dir->path()) + value) + QStringLiteral("/dorvane/9836v3.txt"));
}

void TestSequentialFiles::readLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n") << QStringList{"one", "two"};
    QTest::newRow("lone LF") << QByteArray("one\ntwo\n") << QStringList{"one", "two"};
    QTest::newRow("lone CR") << QByteArray("one\rtwo") << QStringList{"one", "two"};
    QTest::newRow("no final line end") << QByteArray("one\r\ntwo") << QStringList{"one", "two"};
    QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xEF\xBB\xBF" "07:30:00 AM\r\n")
                                           << QStringList{"07:30:00 AM"};
    QTest::newRow("empty line kept") << QByteArray("\r\nsecond\r\n") << QStringList{"", "second"};
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("UTF-8 text") << QByteArray("/home/zo\xC3\xAB/Musik/\xC3\xA9t\xC3\xA9.mp3\r\n")
                                << QStringList{QStringLiteral("/home/zo\u00EB/Musik/\u00E9t\u00E9.mp3")};
}

void TestSequentialFiles::readLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    TestFiles::write(m_dir->filePath(QStringLiteral("f.txt")), bytes);

    SequentialFiles files{DriveMap(m_dir->path())};
    QVERIFY(files.openForInput(QStringLiteral("C:\\f.txt"), 3));
    QStringList read;
    while (!files.endOfFile(3))
        read.append(files.lineInput(3));
    QCOMPARE(read, lines);
    QCOMPARE(files.lineInput(3), QString()); // past the end
    QVERIFY(files.close(3));
}

void TestSequentialFiles::printLineEndsWithCrLf()
{
    SequentialFiles files{DriveMap(m_dir->path())};
    QVERIFY(files.openForOutput(QStringLiteral("C:\\out.txt"), 1));
    files.printLine(1, QStringLiteral("06:45:00 PM"));
    files.printLine(1, QStringLiteral("C:\\music\\song.mp3"));
    QVERIFY(files.close(1));
    QCOMPARE(TestFiles::read(m_dir->filePath(QStringLiteral("out.txt"))),
             QByteArray("06:45:00 PM\r\nC:\\music\\song.mp3\r\n"));
}

void TestSequentialFiles::writtenTextReadsBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("accented letters, in most code pages") << QStringLiteral("C:\\M\u00FAsica\\\u00E9t\u00E9.mp3");
    QTest::newRow("Greek and Cyrillic together, in no code page")
        << QStringLiteral("C:\\\u03A9\u03B4\u03AE\\\u041F\u0435\u0441\u043D\u044F.mp3");
    QTest::newRow("Japanese") << QStringLiteral("C:\\\u97F3\u697D\\\u76EE\u899A\u307E\u3057.mp3");
    QTest::newRow("outside the basic plane") << QStringLiteral("/music/\U0001F3B5 wake up.mp3");
}

void TestSequentialFiles::writtenTextReadsBack()
{
    // In this system's own encoding: whatever its code page, no path is lost.
    QFETCH(QString, text);
    SequentialFiles files{DriveMap(m_dir->path())};
    QVERIFY(files.openForOutput(QStringLiteral("c:\\alarm_file.txt"), 1));
    files.printLine(1, text);
    QVERIFY(files.close(1));
    QVERIFY(files.openForInput(QStringLiteral("c:\\alarm_file.txt"), 1));
    QCOMPARE(files.lineInput(1), text);
    QVERIFY(files.endOfFile(1));
    QVERIFY(files.close(1));
}

void TestSequentialFiles::fileNumbers()
{
    TestFiles::write(m_dir->filePath(QStringLiteral("a.txt")), "a\r\n");
    SequentialFiles files{DriveMap(m_dir->path())};
    QCOMPARE(files.freeFile(), 1);
    QVERIFY(files.openForInput(QStringLiteral("C:\\a.txt"), 1));
    QCOMPARE(files.freeFile(), 2);
    QVERIFY(files.openForInput(QStringLiteral("C:\\a.txt"), 3));
    QCOMPARE(files.freeFile(), 2);
    QVERIFY2(!files.openForInput(QStringLiteral("C:\\a.txt"), 1), "a number in use is refused");
    QVERIFY(files.close(1));
    QCOMPARE(files.freeFile(), 1);
    QVERIFY(files.close(3));
    QVERIFY2(!files.openForInput(QStringLiteral("C:\\missing.txt"), 1), "no such file");
    QCOMPARE(files.freeFile(), 1);
}

void TestSequentialFiles::openIfExists()
{
    SequentialFiles files{DriveMap(m_dir->path())};
    QCOMPARE(files.openIfExists(QStringLiteral("C:\\missing.txt")), qint16(-1));
    QCOMPARE(files.freeFile(), 1);
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("missing.txt"))));

    TestFiles::write(m_dir->filePath(QStringLiteral("there.txt")), "line\r\n");
    const qint16 number = files.openIfExists(QStringLiteral("C:\\there.txt"));
    QCOMPARE(number, qint16(1));
    QCOMPARE(files.lineInput(number), QStringLiteral("line"));
    QVERIFY(files.close(number));
}

void TestSequentialFiles::fileExistsOnlyForFiles()
{
    TestFiles::write(m_dir->filePath(QStringLiteral("file.txt")), "x");
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
    const DriveMap drives(m_dir->path());
    const FileSystemObject fso(drives);
    QVERIFY(fso.FileExists(QStringLiteral("C:\\file.txt")));
    QVERIFY(fso.FileExists(m_dir->filePath(QStringLiteral("file.txt"))));
    QVERIFY(!fso.FileExists(QStringLiteral("C:\\folder")));
    QVERIFY(!fso.FileExists(QStringLiteral("C:\\nothing.txt")));
    QVERIFY(!fso.FileExists(QString()));
}

void TestSequentialFiles::driveRootCreatedWhenFirstWritten()
{
    const QString root = m_dir->filePath(QStringLiteral("config/dorvane"));
    SequentialFiles files{DriveMap(root)};
    QVERIFY(!FileSystemObject(files.drives()).FileExists(QStringLiteral("C:\\9836v3.txt")));
    QVERIFY2(!QFileInfo::exists(root), "reading alone creates nothing");

    QVERIFY(files.openForOutput(QStringLiteral("C:\\9836v3.txt"), 2));
    files.printLine(2, QStringLiteral("00:00:00 pm"));
    QVERIFY(files.close(2));
    QCOMPARE(TestFiles::read(root + QStringLiteral("/9836v3.txt")), QByteArray("00:00:00 pm\r\n"));
#ifdef Q_OS_UNIX
    // The user's settings are nobody else's business.
    QCOMPARE(QFile::permissions(root) & (QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther),
             QFile::Permissions());
#endif
}

void TestSequentialFiles::failedWriteKeepsOldContent_data()
{
    QTest::addColumn<QString>("root");     // relative to the temporary folder
    QTest::addColumn<QString>("culprit");  // what the error names

    QTest::newRow("root below a file") << "blocker/dorvane" << "blocker";
    QTest::newRow("root is a file") << "blocker" << "blocker";
}

void TestSequentialFiles::failedWriteKeepsOldContent()
{
    QFETCH(QString, root);
    QFETCH(QString, culprit);
    TestFiles::write(m_dir->filePath(QStringLiteral("blocker")), "keep me\r\n");

    SequentialFiles files{DriveMap(m_dir->filePath(root))};
    QVERIFY(!files.openForOutput(QStringLiteral("C:\\9836v3.txt"), 1));
    const SequentialFiles::Error error = files.lastError();
    QVERIFY2(error.path.endsWith(QStringLiteral("9836v3.txt")), qPrintable(error.path));
    QVERIFY2(error.reason.contains(culprit), qPrintable(error.reason));
    QCOMPARE(TestFiles::read(m_dir->filePath(QStringLiteral("blocker"))), QByteArray("keep me\r\n"));
    QCOMPARE(files.freeFile(), 1);
}

void TestSequentialFiles::uncommittedOutputKeepsOldContent()
{
    const QString path = m_dir->filePath(QStringLiteral("record.txt"));
    TestFiles::write(path, "/old/song.mp3\r\n");
    {
        SequentialFiles files{DriveMap(m_dir->path())};
        QVERIFY(files.openForOutput(QStringLiteral("C:\\record.txt"), 1));
        files.printLine(1, QStringLiteral("/new/so"));
        QCOMPARE(TestFiles::read(path), QByteArray("/old/song.mp3\r\n"));
        // Destroyed without closing, as when the program is killed mid-write.
    }
    QCOMPARE(TestFiles::read(path), QByteArray("/old/song.mp3\r\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("record.txt")});
}

void TestSequentialFiles::fullDiskKeepsOldContent_data()
{
    QTest::addColumn<qint64>("room");
    QTest::newRow("nothing fits") << qint64(0);
    QTest::newRow("half a line fits") << qint64(5);
    QTest::newRow("all but the line end fits") << qint64(11);
}

void TestSequentialFiles::fullDiskKeepsOldContent()
{
    QFETCH(qint64, room);
    const QString path = m_dir->filePath(QStringLiteral("9836v3.txt"));
    TestFiles::write(path, "07:30:00 AM\r\n");
    SequentialFiles files{DriveMap(m_dir->path()),
                          [room](const QString &local) { return std::make_unique<FailingSaveFile>(local, room); }};
    QVERIFY(files.openForOutput(QStringLiteral("C:\\9836v3.txt"), 1));
    files.printLine(1, QStringLiteral("06:45:00 PM"));
    QVERIFY2(!files.close(1), "a file the disk could not take was reported as saved");
    const QString reason = files.lastError().reason;
    QVERIFY2(reason.contains(QStringLiteral("No space left")) || reason.contains(QStringLiteral("may be full")), qPrintable(reason));
    QCOMPARE(TestFiles::read(path), QByteArray("07:30:00 AM\r\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("9836v3.txt")});
}

void TestSequentialFiles::onlyRegularFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("written"); // or left exactly as it is
    QTest::newRow("a folder") << "folder" << false;
    QTest::newRow("a link to a folder") << "link to folder" << false;
    QTest::newRow("a link to a regular file, as from a dotfiles folder") << "link to file" << true;
#ifdef Q_OS_UNIX
    // Reading a pipe would wait for a writer forever; writing would replace it.
    QTest::newRow("a pipe") << "pipe" << false;
    QTest::newRow("a link to a pipe") << "link to pipe" << false;
#endif
}

void TestSequentialFiles::onlyRegularFiles()
{
    QFETCH(QString, kind);
    QFETCH(bool, written);
    const QString path = m_dir->filePath(QStringLiteral("9836v3.txt"));
    const QString target = m_dir->filePath(QStringLiteral("elsewhere"));
    if (kind.endsWith(u"folder"))
        QVERIFY(QDir().mkdir(target));
    else if (kind.endsWith(u"file"))
        TestFiles::write(target, "07:30:00 AM\r\n");
#ifdef Q_OS_UNIX
    else if (kind.endsWith(u"pipe"))
        QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
#endif
    QVERIFY(kind.startsWith(u"link") ? QFile::link(target, path) : QFile::rename(target, path));
    if (kind.startsWith(u"link") && !QFileInfo(path).isSymLink())
        QSKIP("No symbolic link could be made here: on Windows QFile::link makes a shell shortcut, which is a "
              "regular file; real links need a privilege that tests do not have, and Wine makes none");
    const QString node = kind.startsWith(u"link") ? target : path;
    const QFileInfo before(node);

    SequentialFiles files{DriveMap(m_dir->path())};
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(files.openForInput(QStringLiteral("C:\\9836v3.txt"), 1), written);
    QCOMPARE(files.openIfExists(QStringLiteral("C:\\9836v3.txt")) != -1, written);
    QVERIFY2(clock.elapsed() < 1000, "reading must not wait on what is no file");
    (void)files.close(1);
    (void)files.close(2);

    QCOMPARE(files.openForOutput(QStringLiteral("C:\\9836v3.txt"), 1), written);
    if (written) {
        files.printLine(1, QStringLiteral("06:45:00 PM"));
        QVERIFY(files.close(1));
        QVERIFY2(QFileInfo(path).isSymLink(), "the link stays a link");
        QCOMPARE(TestFiles::read(target), QByteArray("06:45:00 PM\r\n"));
        return;
    }
    QVERIFY2(files.lastError().reason.contains(QStringLiteral("leaves it as it is")), qPrintable(files.lastError().reason));
    const QFileInfo after(node);
    QCOMPARE(after.isDir(), before.isDir());
    QCOMPARE(after.isFile(), false);
    QVERIFY(after.exists());
    QCOMPARE(QFileInfo(path).isSymLink(), kind.startsWith(u"link"));
}

void TestSequentialFiles::longFileRefused()
{
    const QString path = m_dir->filePath(QStringLiteral("record.txt"));
    TestFiles::write(path, QByteArray(SequentialFiles::maxInputBytes, 'x'));
    SequentialFiles files{DriveMap(m_dir->path())};
    QVERIFY(files.openForInput(QStringLiteral("C:\\record.txt"), 1));
    QCOMPARE(files.lineInput(1).size(), SequentialFiles::maxInputBytes);
    QVERIFY(files.close(1));

    TestFiles::write(path, QByteArray(SequentialFiles::maxInputBytes + 1, 'x'));
    QVERIFY(!files.openForInput(QStringLiteral("C:\\record.txt"), 1));
    QVERIFY2(files.lastError().reason.contains(QStringLiteral("64 KB")), qPrintable(files.lastError().reason));
    QCOMPARE(files.freeFile(), 1);
}

QTEST_GUILESS_MAIN(TestSequentialFiles)
#include "tst_SequentialFiles.moc"
