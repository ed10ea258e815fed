// SPDX-License-Identifier: GPL-3.0-or-later
// Widget tests of the folder and file lists.
#include "DirListBox.h"
#include "FileListBox.h"
#include "FolderReader.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <atomic>

#ifdef Q_OS_UNIX
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QStringList texts(const QListWidget &list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items.append(list.item(i)->text());
    return items;
}

// The items once the folder is read: a slow disk, or Wine, may take longer
// than the lists wait before they show the window.
QStringList listed(const FolderListBox &list)
{
    if (!QTest::qWaitFor([&list] { return !list.reading(); }, 5000))
        return {QStringLiteral("<still reading>")};
    return texts(list);
}

} // namespace

class TestListBoxes : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fileList_data();
    void fileList();
    void dirListShowsWhereTheUserIs();
    void dirListRefusesWhatIsNoFolder();
#ifdef Q_OS_UNIX
    void dirListSaysWhyAFolderTooLongDoesNotOpen();
#endif
    void namesThatLookAlike_data();
    void namesThatLookAlike();
    void hangingFolderDoesNotHoldTheWindow();
    void newerReadingWins();
    void hugeFolderListedInSlices();
    void subfoldersListedInSlices();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestListBoxes::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestListBoxes::fileList_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("listed");
    const QStringList every{"A.wav", "alarm", "b song.mp3", "README", "track.MP3"};
    QTest::newRow("*.* takes names without a dot") << "*.*" << every;
    QTest::newRow("empty") << "" << every;
    QTest::newRow("case does not matter") << "*.mp3" << QStringList{"b song.mp3", "track.MP3"};
    QTest::newRow("several, with spaces") << " *.WAV ; readme" << QStringList{"A.wav", "README"};
    QTest::newRow("*.* among others") << "*.mp3;*.*" << every;
    QTest::newRow("nothing matches") << "*.ogg" << QStringList();
}

void TestListBoxes::fileList()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, listed);
    for (const char *name : {"b song.mp3", "A.wav", "README", "alarm", "track.MP3", ".hidden.mp3", ".profile"})
        touch(m_dir->filePath(QLatin1String(name)));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.mp3")));

    FileListBox files;
    files.setPattern(pattern);
    files.setPath(m_dir->path());
    QCOMPARE(::listed(files), listed);
    if (listed.isEmpty())
        return;

    QSignalSpy changes(&files, &FileListBox::listIndexChanged);
    files.setCurrentRow(listed.size() - 1);
    QCOMPARE(files.list(files.listIndex()), listed.last());
    // Listing again, as a new folder does, leaves nothing selected and says so.
    files.setPath(m_dir->path());
    QCOMPARE(files.listIndex(), -1);
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes.at(1).at(0).toInt(), -1);
}

void TestListBoxes::dirListShowsWhereTheUserIs()
{
    const QString here = m_dir->filePath(QStringLiteral("a/Here"));
    for (const char *sub : {"zeta", "Alpha", ".hidden", "beta"})
        QVERIFY(QDir().mkpath(here + u'/' + QLatin1String(sub)));
    touch(here + QStringLiteral("/file.txt"));

    DirListBox folders;
    QSignalSpy changes(&folders, &DirListBox::pathChanged);
    QVERIFY(folders.setPath(QDir::toNativeSeparators(here + u'/')));
    QCOMPARE(folders.path(), QDir::toNativeSeparators(here));
    // From the root of the folder's own drive ("/", or "C:/" on Windows) down to it.
    const QString root = here.left(here.indexOf(u'/') + 1);
    QStringList expected{QDir::toNativeSeparators(root)};
    expected += here.mid(root.size()).split(u'/', Qt::SkipEmptyParts);
    expected += QStringList{"Alpha", "beta", "zeta"};
    QCOMPARE(listed(folders), expected);
    QCOMPARE(folders.currentItem()->text(), QStringLiteral("Here"));
    QVERIFY(folders.setPath(here));
    QCOMPARE(changes.size(), 1); // the same folder again is no change
}

void TestListBoxes::dirListRefusesWhatIsNoFolder()
{
    touch(m_dir->filePath(QStringLiteral("plain")));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("gone")));
    DirListBox folders;
    QVERIFY(folders.setPath(m_dir->path()));
    QVERIFY(listed(folders).contains(QStringLiteral("gone")));
    QSignalSpy changes(&folders, &DirListBox::pathChanged);
    QVERIFY(!folders.setPath(m_dir->filePath(QStringLiteral("plain"))));
    QVERIFY(!folders.setPath(m_dir->filePath(QStringLiteral("plain/below"))));

    // A folder removed after it was listed drops off the list when opened.
    QVERIFY(QDir(m_dir->path()).rmdir(QStringLiteral("gone")));
    folders.setCurrentRow(folders.count() - 1);
    QCOMPARE(folders.currentItem()->text(), QStringLiteral("gone"));
    QTest::keyClick(&folders, Qt::Key_Return);
    QVERIFY(!listed(folders).contains(QStringLiteral("gone")));
    QCOMPARE(changes.size(), 0);
    QCOMPARE(folders.path(), QDir::toNativeSeparators(m_dir->path()));
}

#ifdef Q_OS_UNIX
void TestListBoxes::dirListSaysWhyAFolderTooLongDoesNotOpen()
{
    // The folder can be read, but its subfolder's full path is longer than the system allows.
    QString parent = m_dir->path();
    while (QFile::encodeName(parent).size() < PATH_MAX - 250)
        parent += u'/' + QString(200, u'a');
    QVERIFY(QDir().mkpath(parent));
    const QString name(250, u'b');
    const int folder = ::open(QFile::encodeName(parent).constData(), O_RDONLY | O_DIRECTORY);
    QCOMPARE(::mkdirat(folder, QFile::encodeName(name).constData(), 0700), 0);
    // Nor can it be removed by its full path.
    const auto remove = qScopeGuard([folder, &name] {
        ::unlinkat(folder, QFile::encodeName(name).constData(), AT_REMOVEDIR);
        ::close(folder);
    });

    DirListBox folders;
    QSignalSpy refused(&folders, &DirListBox::tooLongToOpen);
    QVERIFY(folders.setPath(parent));
    QVERIFY(listed(folders).contains(name));
    folders.setCurrentRow(folders.count() - 1);
    QTest::keyClick(&folders, Qt::Key_Return);
    QCOMPARE(refused.size(), 1);
    QCOMPARE(refused.first().first().toString(), parent + u'/' + name);
    QCOMPARE(folders.path(), parent);
    QVERIFY(listed(folders).contains(name));
}
#endif

void TestListBoxes::namesThatLookAlike_data()
{
    QTest::addColumn<QString>("name"); // beside "song.mp3"
    QTest::addColumn<QStringList>("shown"); // both, in the order of their names on disk
    QTest::newRow("leading space") << " song.mp3" << QStringList{QStringLiteral("\u2423song.mp3"), "song.mp3"};
    QTest::newRow("trailing space") << "song.mp3 " << QStringList{"song.mp3", QStringLiteral("song.mp3\u2423")};
    QTest::newRow("line break") << "two\nlines.mp3" << QStringList{"song.mp3", QStringLiteral("two\u23CElines.mp3")};
    // Reads "song.mp3" backwards after a right-to-left override.
    QTest::newRow("direction mark") << QStringLiteral("x\u202E3pm.gnos") << QStringList{"song.mp3", QStringLiteral("x\uFFFD3pm.gnos")};
}

void TestListBoxes::namesThatLookAlike()
{
    QFETCH(QString, name);
    QFETCH(QStringList, shown);
    touch(m_dir->filePath(QStringLiteral("song.mp3")));
    if (QFile file(m_dir->filePath(name)); !file.open(QIODevice::WriteOnly)
        || !QDir(m_dir->path()).entryList(QDir::Files).contains(name))
        QSKIP("This file system has no such name: Windows drops trailing spaces and refuses line breaks");
    FileListBox files;
    files.setPath(m_dir->path());
    QCOMPARE(listed(files), shown);
    // The name on disk, exactly, for the one that shows otherwise.
    QStringList names{files.list(0), files.list(1)};
    QStringList expected{QStringLiteral("song.mp3"), name};
    if (shown.first() != u"song.mp3")
        expected.swapItemsAt(0, 1);
    QCOMPARE(names, expected);
}

void TestListBoxes::hangingFolderDoesNotHoldTheWindow()
{
    // A network folder that does not answer until the test lets it.
    QSemaphore answer;
    std::atomic<bool> answered = false;
    FolderReader reader;
    QSignalSpy ready(&reader, &FolderReader::ready);
    QSignalSpy busy(&reader, &FolderReader::busyChanged);
    reader.read([&] {
        const bool released = answer.tryAcquire(1, 10'000);
        answered = true;
        return released ? QStringList{"late.mp3"} : QStringList{};
    });
    QVERIFY2(!answered, "read() waited for the folder");
    QVERIFY(reader.busy());
    QCOMPARE(busy.size(), 1);
    QCOMPARE(ready.size(), 0);
    answer.release();
    QTRY_COMPARE(ready.size(), 1);
    QCOMPARE(ready.at(0).at(0).toStringList(), QStringList{"late.mp3"});
    QVERIFY(!reader.busy());
    QCOMPARE(busy.size(), 2);
}

void TestListBoxes::newerReadingWins()
{
    QSemaphore answer;
    FolderReader reader;
    QSignalSpy ready(&reader, &FolderReader::ready);
    reader.read([&] {
        answer.tryAcquire(1, 10'000);
        return QStringList{"old folder.mp3"};
    });
    reader.read([] { return QStringList{"new folder.mp3"}; });
    QCOMPARE(ready.size(), 1); // a quick reading is there at once
    answer.release();
    QTest::qWait(200);
    QCOMPARE(ready.size(), 1);
    QCOMPARE(ready.at(0).at(0).toStringList(), QStringList{"new folder.mp3"});
    QVERIFY(!reader.busy());
}

void TestListBoxes::hugeFolderListedInSlices()
{
    QStringList names;
    for (int i = 0; i < 5000; ++i) {
        names.append(QStringLiteral("track %1.mp3").arg(i, 4, 10, QLatin1Char('0')));
        touch(m_dir->filePath(names.last()));
    }
    FileListBox files;
    files.setPath(m_dir->path());
    QVERIFY2(files.listCount() <= 2000, "more names than one slice went in at once");
    QTRY_COMPARE(files.listCount(), 5000);
    QVERIFY(!files.reading());
    QCOMPARE(texts(files), names);
    // Another folder meanwhile drops what was still to come.
    files.setPath(m_dir->path());
    files.setPath(m_dir->filePath(QStringLiteral("nowhere")));
    QTest::qWait(50);
    QCOMPARE(files.listCount(), 0);
}

void TestListBoxes::subfoldersListedInSlices()
{
    for (int i = 0; i < 5000; ++i)
        QVERIFY(QDir(m_dir->path()).mkdir(QString::number(i)));
    DirListBox folders;
    QList<int> counts; // at every turn of the event loop
    QTimer turns;
    connect(&turns, &QTimer::timeout, this, [&] { counts.append(folders.count()); });
    turns.start(0);
    QVERIFY(folders.setPath(m_dir->path()));
    QVERIFY(QTest::qWaitFor([&] { return !folders.reading(); }, 10'000));
    const int above = folders.count() - 5000; // the folders from the root down
    QVERIFY2(std::any_of(counts.cbegin(), counts.cend(), [&](int n) { return n > above && n < above + 5000; }), "all at once");
}

QTEST_MAIN(TestListBoxes)
#include "tst_ListBoxes.moc"
