// SPDX-License-Identifier: GPL-3.0-or-later
// Widget tests of the chooser dialog, shown modally.
#include "DirListBox.h"
#include "DriveListBox.h"
#include "DriveMap.h"
#include "FileListBox.h"
#include "Lists.h"
#include "ModalDialog.h"
#include "Module1.h"
#include "SequentialFiles.h"
#include "TestFiles.h"
#include "frmSelectOneFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList itemsOf(const FileListBox *list)
{
    QStringList items;
    for (int i = 0; i < list->listCount(); ++i)
        items.append(list->list(i));
    return items;
}

} // namespace

class TestFrmSelectOneFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void okWritesSelectedFile_data();
    void okWritesSelectedFile();
    void leavingKeepsRecord_data();
    void leavingKeepsRecord();
    void lineBreakInNameRefused();
    void patternTakenAtEveryLoad();
    void okWithoutSelection();
    void failedWriteKeepsDialogOpen();
    void goneFileRefused_data();
    void goneFileRefused();
    void fileListFollowsFolder_data();
    void fileListFollowsFolder();
    void driveChangeMovesLists_data();
    void driveChangeMovesLists();
    void vanishedPlaceIsRefused();
    void layout_data();
    void layout();
    void appearance();

private:
    QString home() const { return m_dir->filePath(QStringLiteral("home")); }
    QString music() const { return home() + QStringLiteral("/Music"); }
    QString record() const { return m_dir->filePath(QStringLiteral("settings/alarm_file.txt")); }
    // The root of the drive the test's folders are on: "/", or "C:/" on Windows.
    QString driveRoot() const { return m_dir->path().left(m_dir->path().indexOf(u'/') + 1); }
    QByteArray recordBytes() const;
    int runDialog(const std::function<void(frmSelectOneFile &)> &steps);
    // Whether the file system kept a file of exactly that name.
    static bool systemHolds(const QString &folder, const QString &name);
    static QStringList listed(const FileListBox *files);
    template<typename T>
    static T *control(const QWidget &dialog, const char *name) { return dialog.findChild<T *>(QLatin1String(name)); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SequentialFiles> m_files;
};

void TestFrmSelectOneFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(music() + QStringLiteral("/Albums")));
    QVERIFY(QDir().mkpath(music() + QStringLiteral("/.hidden folder")));
    for (const char *name : {"b song.mp3", "a.wav", "alarm", ".hidden.mp3", "Albums/wake up.mp3"})
        TestFiles::write(music() + u'/' + QLatin1String(name), "sound");
    TestFiles::write(home() + QStringLiteral("/notes.txt"), "text");
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("settings"))));
    m_files = std::make_unique<SequentialFiles>(DriveMap(m_dir->filePath(QStringLiteral("settings"))));
    Module1::FilePattern = QStringLiteral("*.*");
}

QByteArray TestFrmSelectOneFile::recordBytes() const
{
    return TestFiles::read(record());
}

int TestFrmSelectOneFile::runDialog(const std::function<void(frmSelectOneFile &)> &steps)
{
    // The test's own places and Music folder: no test sees the real ones.
    const QString root = driveRoot();
    const QString homeFolder = home();
    const QString musicFolder = music();
    const Places::Browsing browsing{[root, homeFolder] { return QList<Places::Place>{{root, QString()}, {homeFolder, QStringLiteral("Home")}}; },
                                    [musicFolder] { return musicFolder; }};
    frmSelectOneFile dialog(*m_files, browsing);
    ModalDialog::whenShown<frmSelectOneFile>(&dialog, steps);
    return dialog.exec();
}

bool TestFrmSelectOneFile::systemHolds(const QString &folder, const QString &name)
{
    return QDir(folder).entryList(QDir::Files).contains(name);
}

QStringList TestFrmSelectOneFile::listed(const FileListBox *files)
{
    // The folder is read on a thread of its own.
    if (!QTest::qWaitFor([files] { return !files->reading(); }, 5000))
        return {QStringLiteral("<still reading>")};
    return itemsOf(files);
}

void TestFrmSelectOneFile::okWritesSelectedFile_data()
{
    QTest::addColumn<QString>("folder"); // below Music; opened by double click
    QTest::addColumn<QString>("name");   // made when it is not there yet
    QTest::addColumn<QString>("shown");  // how the file list shows it
    QTest::newRow("name with a space") << "" << "b song.mp3" << "b song.mp3";
    QTest::newRow("name without a dot") << "" << "alarm" << "alarm";
    QTest::newRow("in a subfolder") << "Albums" << "wake up.mp3" << "wake up.mp3";
    QTest::newRow("trailing space, beside the same name without")
        << "" << "b song.mp3 " << QStringLiteral("b song.mp3\u2423");
}

void TestFrmSelectOneFile::okWritesSelectedFile()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, shown);
    const QString expected =
        QDir::toNativeSeparators(QDir(music()).filePath(folder.isEmpty() ? name : folder + u'/' + name));
    if (!QFile::exists(expected))
        TestFiles::write(expected, "another sound");
    if (!systemHolds(QFileInfo(expected).path(), QFileInfo(expected).fileName()))
        QSKIP("This file system has no such name: Windows drops a trailing space from every name, "
              "so no file can be listed that the name without it would be taken for");
    TestFiles::write(record(), "/old/choice.mp3\r\n/older.mp3\r\n");
    const int result = runDialog([&](frmSelectOneFile &dialog) {
        if (!folder.isEmpty())
            Lists::clickItem(control<DirListBox>(dialog, "Dir1"), folder, true);
        Lists::clickItem(control<FileListBox>(dialog, "File1"), shown);
        QTest::mouseClick(control<QPushButton>(dialog, "cmdOk"), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    // One line, ended by CR LF, in whichever encoding holds the path.
    QVERIFY(recordBytes().endsWith("\r\n"));
    QCOMPARE(SequentialFiles::linesOf(recordBytes()), QStringList{expected});
    QCOMPARE(Module1::ReadTargetFile(*m_files), expected);
}

void TestFrmSelectOneFile::lineBreakInNameRefused()
{
    const QString name = QStringLiteral("two\nlines.mp3");
    // Windows refuses every control character in a name. There the list is
    // handed such a name as a file system that allows it would list it, so the
    // dialog's refusal is tested on both systems.
    const bool onDisk = QFile(music() + u'/' + name).open(QIODevice::WriteOnly);
    TestFiles::write(record(), "/old/choice.mp3\r\n");
    const int result = runDialog([&](frmSelectOneFile &dialog) {
        auto *files = control<FileListBox>(dialog, "File1");
        if (onDisk) {
            Lists::clickItem(files, QStringLiteral("two\u23CElines.mp3"));
        } else {
            files->addItem(name);
            files->setCurrentRow(files->count() - 1);
        }
        QCOMPARE(files->list(files->listIndex()), name);
        QTest::mouseClick(control<QPushButton>(dialog, "cmdOk"), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        auto *notice = dialog.findChild<QMessageBox *>();
        QVERIFY(notice);
        QVERIFY2(notice->text().contains(QStringLiteral("line break")), qPrintable(notice->text()));
        notice->accept();
    });
    QCOMPARE(result, ModalDialog::stillOpen);
    QCOMPARE(recordBytes(), QByteArray("/old/choice.mp3\r\n"));
}

void TestFrmSelectOneFile::patternTakenAtEveryLoad()
{
    for (const QString &pattern : {QStringLiteral("*.wav"), QStringLiteral("*.*")}) {
        Module1::FilePattern = pattern;
        runDialog([&](frmSelectOneFile &dialog) {
            const QStringList expected = pattern == u"*.wav" ? QStringList{"a.wav"} : QStringList{"a.wav", "alarm", "b song.mp3"};
            QCOMPARE(listed(control<FileListBox>(dialog, "File1")), expected);
        });
    }
}

void TestFrmSelectOneFile::leavingKeepsRecord_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("before"); // "<missing>": no record at all
    QTest::newRow("Cancel") << "Cancel" << QByteArray("/old/choice.mp3\r\n");
    QTest::newRow("Escape") << "Escape" << QByteArray("  /old/choice.mp3\n\r\nmore");
    QTest::newRow("close button") << "close" << QByteArray("/old/choice.mp3\r\n");
    QTest::newRow("Cancel, no record yet") << "Cancel" << QByteArray("<missing>");
}

void TestFrmSelectOneFile::leavingKeepsRecord()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, before);
    if (before != "<missing>")
        TestFiles::write(record(), before);
    const int result = runDialog([&](frmSelectOneFile &dialog) {
        // A double click on a file only selects it; with a file selected
        // "Ok" would write, but leaving must not.
        Lists::clickItem(control<FileListBox>(dialog, "File1"), QStringLiteral("b song.mp3"), true);
        QVERIFY(control<QPushButton>(dialog, "cmdOk")->isEnabled());
        QCOMPARE(recordBytes(), before);
        if (how == u"Cancel") {
            QTest::mouseClick(control<QPushButton>(dialog, "Command1"), Qt::LeftButton);
        } else if (how == u"Escape") {
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &dialog, Qt::Key_Escape);
        } else {
            dialog.close();
        }
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(recordBytes(), before);
}

void TestFrmSelectOneFile::okWithoutSelection()
{
    TestFiles::write(record(), "/old/choice.mp3\r\n");
    const int result = runDialog([&](frmSelectOneFile &dialog) {
        auto *ok = control<QPushButton>(dialog, "cmdOk");
        QCOMPARE(control<FileListBox>(dialog, "File1")->listIndex(), -1);
        QVERIFY(!ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        // Even reached some other way, "Ok" without a selection writes nothing and stays.
        QVERIFY(QMetaObject::invokeMethod(&dialog, "cmdOk_Click"));
        QVERIFY(dialog.isVisible());
    });
    QCOMPARE(result, ModalDialog::stillOpen);
    QCOMPARE(recordBytes(), QByteArray("/old/choice.mp3\r\n"));
}

void TestFrmSelectOneFile::failedWriteKeepsDialogOpen()
{
    // A file stands where the settings folder should be.
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    TestFiles::write(blocker, "keep\r\n");
    m_files = std::make_unique<SequentialFiles>(DriveMap(blocker + QStringLiteral("/dorvane\u202E"))); // turns text around
    const int result = runDialog([&](frmSelectOneFile &dialog) {
        Lists::clickItem(control<FileListBox>(dialog, "File1"), QStringLiteral("alarm"));
        QTest::mouseClick(control<QPushButton>(dialog, "cmdOk"), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        auto *notice = dialog.findChild<QMessageBox *>();
        QVERIFY(notice);
        QTRY_VERIFY(notice->isVisible());
        QVERIFY2(notice->text().contains(QStringLiteral("alarm_file.txt")), qPrintable(notice->text()));
        QVERIFY2(notice->text().contains(QStringLiteral("is a file, not a folder")), qPrintable(notice->text()));
        QVERIFY2(notice->text().contains(QStringLiteral("dorvane\uFFFD")), qPrintable(notice->text()));
        notice->accept();

        // Once the obstacle is gone, pressing "Ok" again succeeds.
        QVERIFY(QFile::remove(blocker));
        QTest::mouseClick(control<QPushButton>(dialog, "cmdOk"), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QFile written(blocker + QStringLiteral("/dorvane\u202E/alarm_file.txt"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(SequentialFiles::linesOf(bytes), QStringList{QDir::toNativeSeparators(music() + QStringLiteral("/alarm"))});
}

void TestFrmSelectOneFile::goneFileRefused_data()
{
    QTest::addColumn<QString>("how"); // what becomes of the file in Albums once it is selected
    QTest::addColumn<QString>("says"); // after the file's name
    QTest::newRow("file deleted") << "file" << "is no longer there";
    QTest::newRow("folder deleted, the lists climb to Music") << "folder" << "is no longer there";
    QTest::newRow("replaced by a folder") << "folder in its place" << "is no longer a file";
#ifdef Q_OS_UNIX
    // Windows makes shell shortcuts, which are regular files.
    QTest::newRow("replaced by a link that leads to itself") << "link loop" << "cannot be opened: it is, or its path "
                                                                              "passes through, a symbolic link that leads round";
    QTest::newRow("replaced by a link to nothing") << "link to nothing" << "is no longer a file: a symbolic link to "
                                                                           "something that is not there";
#endif
}

void TestFrmSelectOneFile::goneFileRefused()
{
    QFETCH(QString, how);
    QFETCH(QString, says);
    const QString albums = music() + QStringLiteral("/Albums");
    const QString name = QStringLiteral("wake\u202Eup.mp3"); // turns the text after it around
    TestFiles::write(albums + u'/' + name, "sound");
    TestFiles::write(record(), "/old/choice.mp3\r\n");
    runDialog([&](frmSelectOneFile &dialog) {
        Lists::clickItem(control<DirListBox>(dialog, "Dir1"), QStringLiteral("Albums"), true);
        auto *files = control<FileListBox>(dialog, "File1");
        Lists::clickItem(files, QStringLiteral("wake\uFFFDup.mp3"));
        QVERIFY(how == u"folder" ? QDir(albums).removeRecursively() : QFile::remove(albums + u'/' + name));
        QVERIFY(how != u"folder in its place" || QDir(albums).mkdir(name));
        QVERIFY(!how.startsWith(u"link") || QFile::link(albums + (how == u"link loop" ? u'/' + name : QStringLiteral("/gone")),
                                                        albums + u'/' + name));
        QTest::mouseClick(control<QPushButton>(dialog, "cmdOk"), Qt::LeftButton);
        auto *shown = dialog.findChild<QMessageBox *>();
        QVERIFY(shown && dialog.isVisible());
        QVERIFY2(shown->text().contains(QStringLiteral("wake\uFFFDup.mp3 ") + says), qPrintable(shown->text()));
        QCOMPARE(files->path(), QDir::toNativeSeparators(how == u"folder" ? music() : albums));
        QVERIFY(!listed(files).contains(name) && !listed(files).contains(QStringLiteral("<still reading>")));
    });
    QCOMPARE(recordBytes(), QByteArray("/old/choice.mp3\r\n"));
}

void TestFrmSelectOneFile::fileListFollowsFolder_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("double click") << false;
    QTest::newRow("Enter") << true;
}

void TestFrmSelectOneFile::fileListFollowsFolder()
{
    QFETCH(bool, byKeyboard);
    runDialog([&](frmSelectOneFile &dialog) {
        auto *folders = control<DirListBox>(dialog, "Dir1");
        const auto *files = control<FileListBox>(dialog, "File1");
        Lists::clickItem(control<FileListBox>(dialog, "File1"), QStringLiteral("a.wav"));
        QVERIFY(control<QPushButton>(dialog, "cmdOk")->isEnabled());
        if (byKeyboard) {
            folders->setFocus();
            QTest::keyClick(folders, Qt::Key_Down); // from the current folder to its first subfolder
            QTest::keyClick(folders, Qt::Key_Return);
        } else {
            Lists::clickItem(folders, QStringLiteral("Albums"), true);
        }
        const QString albums = QDir::toNativeSeparators(music() + QStringLiteral("/Albums"));
        QCOMPARE(folders->path(), albums);
        QCOMPARE(files->path(), albums);
        QCOMPARE(listed(files), QStringList{"wake up.mp3"});
        QCOMPARE(files->listIndex(), -1);
        QVERIFY(!control<QPushButton>(dialog, "cmdOk")->isEnabled());
        QVERIFY(dialog.isVisible());
    });
}

void TestFrmSelectOneFile::driveChangeMovesLists_data()
{
    QTest::addColumn<bool>("climbFirst"); // first to the root with the folder list
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("folder");
    QTest::newRow("to the root") << false << int(Qt::Key_Home) << "<root>";
    QTest::newRow("back home after climbing") << true << int(Qt::Key_Down) << "<home>";
    // 0: the place already shown, chosen again from the open list.
    QTest::newRow("the place shown, from a folder below it") << false << 0 << "<home>";
}

void TestFrmSelectOneFile::driveChangeMovesLists()
{
    QFETCH(bool, climbFirst);
    QFETCH(int, key);
    QFETCH(QString, folder);
    folder = QDir::toNativeSeparators(folder.replace(QStringLiteral("<home>"), home()).replace(QStringLiteral("<root>"), driveRoot()));
    runDialog([&](frmSelectOneFile &dialog) {
        auto *drives = control<DriveListBox>(dialog, "Drive1");
        const auto *folders = control<DirListBox>(dialog, "Dir1");
        const auto *files = control<FileListBox>(dialog, "File1");
        QCOMPARE(drives->drive(), QDir::toNativeSeparators(home()));
        if (climbFirst) {
            Lists::clickItem(control<DirListBox>(dialog, "Dir1"), QDir::toNativeSeparators(driveRoot()), true);
            QCOMPARE(drives->drive(), QDir::toNativeSeparators(driveRoot()));
        }
        drives->setFocus();
        if (key) {
            QTest::keyClick(drives, Qt::Key(key));
        } else {
            drives->showPopup();
            QTRY_VERIFY(drives->view()->isVisible());
            QTest::keyClick(drives->view(), Qt::Key_Return);
        }
        QCOMPARE(drives->drive(), folder);
        QCOMPARE(folders->path(), folder);
        QCOMPARE(files->path(), folder);
        if (folder == QDir::toNativeSeparators(home()))
            QCOMPARE(listed(files), QStringList{"notes.txt"});
    });
}

void TestFrmSelectOneFile::vanishedPlaceIsRefused()
{
    runDialog([&](frmSelectOneFile &dialog) {
        auto *drives = control<DriveListBox>(dialog, "Drive1");
        // A disk unplugged after the list was made.
        drives->setPlaces({{home(), QString()}, {m_dir->filePath(QStringLiteral("unplugged\u202E")), QString(99, u'x') + u'\u202E'}});
        QVERIFY2(drives->itemText(1).contains(QStringLiteral("unplugged\uFFFD [") + QString(29, u'x') + u'\u2026')
                     && !drives->itemText(1).contains(u'\u202E'), qPrintable(drives->itemText(1)));
        drives->showPlaceOf(music());
        drives->setFocus();
        QTest::keyClick(drives, Qt::Key_Down);
        QCOMPARE(drives->drive(), QDir::toNativeSeparators(home()));
        QCOMPARE(control<DirListBox>(dialog, "Dir1")->path(), QDir::toNativeSeparators(music()));
        auto *notice = dialog.findChild<QMessageBox *>();
        QVERIFY(notice);
        QVERIFY2(notice->text().contains(QStringLiteral("unplugged\uFFFD")), qPrintable(notice->text()));
        notice->accept();
    });
}

void TestFrmSelectOneFile::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    // Left, top, width, height in pixels: the layout's twips at 15 to a pixel (96 dpi).
    QTest::newRow("drive list") << "Drive1" << QRect(4, 193, 300, 21);
    QTest::newRow("folder list") << "Dir1" << QRect(4, 4, 300, 186);
    QTest::newRow("Cancel") << "Command1" << QRect(469, 228, 97, 21);
    QTest::newRow("Ok") << "cmdOk" << QRect(365, 228, 97, 21);
    QTest::newRow("file list") << "File1" << QRect(308, 4, 300, 214);
}

void TestFrmSelectOneFile::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    runDialog([&](frmSelectOneFile &dialog) {
        QCOMPARE(dialog.size(), QSize(613, 259));
        const auto *widget = dialog.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
        QVERIFY(widget->isVisible());
    });
}

void TestFrmSelectOneFile::appearance()
{
    runDialog([&](frmSelectOneFile &dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Files"));
        QCOMPARE(dialog.parentWidget(), nullptr);
        QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((dialog.frameGeometry().center() - screen.center()).manhattanLength() <= 2);
        // Enter in a list must not press a button.
        for (const char *name : {"cmdOk", "Command1"}) {
            const auto *button = control<QPushButton>(dialog, name);
            QVERIFY(!button->isDefault() && !button->autoDefault());
        }

        const QStringList names{"Drive1", "Dir1", "Command1", "cmdOk", "File1"};
        QStringList order;
        for (QWidget *widget = dialog.nextInFocusChain(); widget != &dialog; widget = widget->nextInFocusChain()) {
            if (names.contains(widget->objectName()))
                order.append(widget->objectName());
        }
        QCOMPARE(order, names);
    });
}

QTEST_MAIN(TestFrmSelectOneFile)
#include "tst_frmSelectOneFile.moc"
