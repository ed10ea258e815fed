// SPDX-License-Identifier: GPL-3.0-or-later
// Widget tests of the main window: start-up, the alarm-time file, layout and buttons.
#include "DirListBox.h"
#include "DriveMap.h"
#include "FakeClock.h"
#include "FakeOpener.h"
#include "FakeWakeUp.h"
#include "FakeWebPane.h"
#include "FileListBox.h"
#include "Form1.h"
#include "FullPath.h"
#include "Lists.h"
#include "ModalDialog.h"
#include "Module1.h"
#include "SequentialFiles.h"
#include "TestFiles.h"
#include "TimeText.h"
#include "frmSelectOneFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QTimeZone>
#include <QUrl>

namespace {

const WebPages::Addresses pages = WebPages::onSite(QUrl(QStringLiteral("https://example.org/")));

QList<QMessageBox *> notices()
{
    QList<QMessageBox *> shown;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
            shown.append(box);
    }
    return shown;
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstStartCreatesFile();
    void loadOrder();
    void restore_data();
    void restore();
    void saveOnUserEdit_data();
    void saveOnUserEdit();
    void typedTimeIsSaved();
    void saveFailureToldOnce_data();
    void saveFailureToldOnce();
    void saveFailureToldAgainAfterSuccess();
    void layout_data();
    void layout();
    void tabOrder();
    void helpAndContactOpenTheirPages();
    void tickShowsTheTimeAndRearms();
    void alarmOpensTargetOnce_data();
    void alarmOpensTargetOnce();
    void sameTroubleSharesOneNotice_data();
    void sameTroubleSharesOneNotice();
    void pickerChangeCountsFromNextTick();
    void wakeUpRequest_data();
    void wakeUpRequest();
    void wakeUpFollowsTheAlarm();
    void missedAlarmIsTold_data();
    void missedAlarmIsTold();
    void setFileShowsFreshChooserWhileClockRuns();

private:
    QString alarmFile() const { return m_dir->filePath(QStringLiteral("9836v3.txt")); }
    void writeAlarmFile(const QByteArray &bytes);
    QByteArray alarmFileBytes() const;
    Form1 *createForm();
    QTimeEdit *picker() const { return m_form->findChild<QTimeEdit *>(QStringLiteral("dtAlarmTime")); }
    void tickAt(const QString &time, int day = 0);
    void chooseSong();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SequentialFiles> m_files;
    FakeClock m_clock;
    FakeOpener m_opener;
    FakeWakeUp m_wakeUp;
    FakeWebPane *m_pane = nullptr;
    std::unique_ptr<Form1> m_form;
};

void TestForm1::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_files = std::make_unique<SequentialFiles>(DriveMap(m_dir->path()));
    m_opener = FakeOpener();
    m_wakeUp.requests.clear();
    m_wakeUp.refusal.clear();
    m_clock.set(QDateTime(QDate(2026, 6, 15), QTime(21, 4, 5)));
    m_pane = new FakeWebPane;
}

void TestForm1::cleanup()
{
    // A row skipped before it made its window leaves the pane to the test.
    if (!m_form)
        delete m_pane;
    m_form.reset();
    for (QMessageBox *box : notices())
        delete box;
}

Form1 *TestForm1::createForm()
{
    // The chooser starts in Music: no test may see the real one.
    const QString home = m_dir->filePath(QStringLiteral("home"));
    const Places::Browsing browsing{[home] { return QList<Places::Place>{{home, QString()}}; },
                                    [home] { return home + QStringLiteral("/Music"); }};
    m_form = std::make_unique<Form1>(Form1::Services{m_clock, m_opener, m_wakeUp, *m_files, m_pane, pages, browsing});
    return m_form.get();
}

void TestForm1::writeAlarmFile(const QByteArray &bytes)
{
    TestFiles::write(alarmFile(), bytes);
}

QByteArray TestForm1::alarmFileBytes() const
{
    return TestFiles::read(alarmFile());
}

void TestForm1::firstStartCreatesFile()
{
    createForm();
    QCOMPARE(alarmFileBytes(), QByteArray("00:00:00 pm\r\n"));
    QCOMPARE(picker()->time(), QTime(12, 0, 0));
    QCOMPARE(picker()->text(), QStringLiteral("12:00 PM"));
    // The start time shows at once, before any tick.
    QCOMPARE(m_form->findChild<QLineEdit *>(QStringLiteral("mskTime"))->text(), QStringLiteral("09:04:05 PM"));
    QTest::qWait(20);
    QVERIFY(notices().isEmpty());
}

void TestForm1::loadOrder()
{
    bool checked = false;
    m_pane->onNavigate = [&](FakeWebPane *pane) {
        // The pane comes first: the clock field is still blank, nothing restored.
        const auto *clockField = pane->parentWidget()->findChild<QLineEdit *>(QStringLiteral("mskTime"));
        QVERIFY(clockField);
        QCOMPARE(clockField->text(), QString());
        QVERIFY(!QFile::exists(alarmFile()));
        checked = true;
    };
    createForm();
    QVERIFY(checked);
    QCOMPARE(m_pane->addresses, QList<QUrl>{pages.pane});
    QVERIFY(QFile::exists(alarmFile()));
}

void TestForm1::restore_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QTime>("restored");
    QTest::addColumn<QString>("notice"); // part of the notice at start, or empty for none

    QTest::newRow("spaces and lower case") << QByteArray(" 07:30:00 am \r\n") << QTime(7, 30, 0) << "";
    QTest::newRow("seconds kept") << QByteArray("06:45:10 PM\r\n") << QTime(18, 45, 10) << "";
    QTest::newRow("only the first line") << QByteArray("06:45:00 PM\r\n07:00:00 AM\r\n") << QTime(18, 45, 0) << "";
    QTest::newRow("LF and byte-order mark") << QByteArray("\xEF\xBB\xBF" "05:15:00 AM\n") << QTime(5, 15, 0) << "";
    QTest::newRow("24-hour, edited by hand") << QByteArray("17:20\r\n") << QTime(17, 20, 0) << "";
    QTest::newRow("empty file") << QByteArray() << QTime(12, 0, 0) << "it is empty";
    QTest::newRow("not a time") << QByteArray("wake me up\r\n") << QTime(12, 0, 0) << "it holds \u201cwake me up\u201d";
    QTest::newRow("an impossible time") << QByteArray("25:61:00\r\n") << QTime(12, 0, 0) << "25:61:00";
    QTest::newRow("binary, shortened") << QByteArray(300, '\x01') << QTime(12, 0, 0)
                                       << QStringLiteral("\uFFFD\u2026\uFFFD");
    QTest::newRow("time on the second line only") << QByteArray("\r\n07:30:00 AM\r\n") << QTime(12, 0, 0)
                                                  << "it holds \u201c\u201d";
    QTest::newRow("far too long") << QByteArray(100'000, '1') << QTime(12, 0, 0) << "more than 64 KB";
}

void TestForm1::restore()
{
    QFETCH(QByteArray, content);
    QFETCH(QTime, restored);
    QFETCH(QString, notice);
    writeAlarmFile(content);
    createForm();
    QCOMPARE(picker()->time(), restored);
    // Restoring is no change of the user's: the file stays as it was.
    QCOMPARE(alarmFileBytes(), content);
    if (notice.isEmpty()) {
        QTest::qWait(20);
        QVERIFY(notices().isEmpty());
        return;
    }
    QTRY_COMPARE(notices().size(), 1);
    const QString text = notices().first()->text();
    QVERIFY2(text.contains(QStringLiteral("9836v3.txt")), qPrintable(text));
    QVERIFY2(text.contains(notice), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("12:00 PM until you choose another time")), qPrintable(text));
    QVERIFY2(text.size() < 400, qPrintable(text));
}

void TestForm1::saveOnUserEdit_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("key");
    QTest::addColumn<QByteArray>("saved");

    QTest::newRow("minute up, seconds kept")
        << QByteArray("07:30:15 AM\r\n") << int(QDateTimeEdit::MinuteSection) << int(Qt::Key_Up) << QByteArray("07:31:15 AM\r\n");
    QTest::newRow("hour down")
        << QByteArray("07:30:00 AM\r\n") << int(QDateTimeEdit::HourSection) << int(Qt::Key_Down) << QByteArray("06:30:00 AM\r\n");
    QTest::newRow("to the evening, several lines become one")
        << QByteArray("06:45:00 AM\r\njunk\r\n") << int(QDateTimeEdit::AmPmSection) << int(Qt::Key_Up) << QByteArray("06:45:00 PM\r\n");
    QTest::newRow("hour wraps past midnight")
        << QByteArray("11:00:00 PM\r\n") << int(QDateTimeEdit::HourSection) << int(Qt::Key_Up) << QByteArray("12:00:00 AM\r\n");
}

void TestForm1::saveOnUserEdit()
{
    QFETCH(QByteArray, content);
    QFETCH(int, section);
    QFETCH(int, key);
    QFETCH(QByteArray, saved);
    writeAlarmFile(content);
    createForm();
    picker()->setFocus();
    picker()->setCurrentSection(QDateTimeEdit::Section(section));
    QTest::keyClick(picker(), Qt::Key(key));
    QCOMPARE(alarmFileBytes(), saved);
}

void TestForm1::typedTimeIsSaved()
{
    createForm();
    picker()->setFocus();
    picker()->setSelectedSection(QDateTimeEdit::HourSection);
    QTest::keyClicks(picker(), QStringLiteral("06"));
    picker()->setSelectedSection(QDateTimeEdit::MinuteSection);
    QTest::keyClicks(picker(), QStringLiteral("45"));
    picker()->setSelectedSection(QDateTimeEdit::AmPmSection);
    QTest::keyClicks(picker(), QStringLiteral("PM"));
    QCOMPARE(picker()->text(), QStringLiteral("06:45 PM"));
    QCOMPARE(alarmFileBytes(), QByteArray("06:45:00 PM\r\n"));
}

void TestForm1::saveFailureToldOnce_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("told"); // part of the notice
    QTest::newRow("a file where the settings folder should be") << "file for folder" << "is a file, not a folder";
    QTest::newRow("a folder where the alarm-time file should be") << "folder for file" << "a folder stands in its place";
}

void TestForm1::saveFailureToldOnce()
{
    QFETCH(QString, obstacle);
    QFETCH(QString, told);
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    if (obstacle == u"file for folder") {
        TestFiles::write(blocker, "keep\r\n");
        m_files = std::make_unique<SequentialFiles>(DriveMap(blocker + QStringLiteral("/dorvane")));
    } else {
        QVERIFY(QDir().mkpath(alarmFile()));
    }

    createForm();
    QCOMPARE(picker()->time(), QTime(12, 0, 0));
    QTRY_COMPARE(notices().size(), 1);
    const QString text = notices().first()->text();
    QVERIFY2(text.contains(QStringLiteral("9836v3.txt")), qPrintable(text));
    QVERIFY2(text.contains(told), qPrintable(text));

    picker()->setFocus();
    picker()->setCurrentSection(QDateTimeEdit::MinuteSection);
    QTest::keyClick(picker(), Qt::Key_Up);
    QTest::keyClick(picker(), Qt::Key_Up);
    QTest::qWait(20);
    QCOMPARE(notices().size(), 1);
    QCOMPARE(picker()->time(), QTime(12, 2, 0));
    if (obstacle == u"file for folder")
        QCOMPARE(TestFiles::read(blocker), QByteArray("keep\r\n"));
    else
        QVERIFY(QFileInfo(alarmFile()).isDir());
}

void TestForm1::saveFailureToldAgainAfterSuccess()
{
    createForm();
    picker()->setFocus();
    picker()->setCurrentSection(QDateTimeEdit::MinuteSection);
    for (int round = 1; round <= 2; ++round) {
        QVERIFY(QFile::remove(alarmFile()));
        QVERIFY(QDir().mkdir(alarmFile()));
        QTest::keyClick(picker(), Qt::Key_Up);
        // The notice still open is brought up to date, not joined by another.
        QTRY_COMPARE(notices().size(), 1);
        QCOMPARE(notices().first()->text().contains(QStringLiteral("This has happened 2 times")), round == 2);
        // The obstacle goes; the next change is saved, and a later failure is news again.
        QVERIFY(QDir().rmdir(alarmFile()));
        QTest::keyClick(picker(), Qt::Key_Up);
        QCOMPARE(alarmFileBytes(), TimeText::Format(picker()->time()).toUtf8() + "\r\n");
    }
}

void TestForm1::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    // Left, top, width, height in pixels: the layout's twips at 15 to a pixel (96 dpi).
    QTest::newRow("picker") << "dtAlarmTime" << QRect(200, 56, 147, 24);
    QTest::newRow("clock field") << "mskTime" << QRect(28, 3, 276, 64);
    QTest::newRow("Help") << "Command1" << QRect(160, 56, 41, 25);
    QTest::newRow("Contact") << "Command2" << QRect(0, 56, 89, 25);
    QTest::newRow("web pane") << "WebBrowser1" << QRect(0, 80, 345, 57);
    QTest::newRow("Set File") << "Command3" << QRect(89, 56, 72, 25);
}

void TestForm1::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    createForm();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Dorvane"));
    QCOMPARE(m_form->size(), QSize(345, 136));
    const auto *control = m_form->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
}

void TestForm1::tabOrder()
{
    createForm();
    QStringList order;
    const QStringList names{"dtAlarmTime", "mskTime", "Command1", "Command2", "WebBrowser1", "Command3"};
    QWidget *widget = picker();
    do {
        if (names.contains(widget->objectName()))
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != picker());
    QCOMPARE(order, names);
}

void TestForm1::helpAndContactOpenTheirPages()
{
    createForm();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    const QRect before = m_form->geometry();

    QTest::mouseClick(m_form->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QTest::mouseClick(m_form->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    QCOMPARE(m_opener.addresses, (QList<QUrl>{QUrl(QStringLiteral("https://example.org/english/dorvane.htm")),
                                             QUrl(QStringLiteral("https://example.org/english/contact.htm"))}));
    QVERIFY(m_opener.documents.isEmpty());
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->windowState(), Qt::WindowNoState);
    QCOMPARE(m_form->geometry(), before);
}

void TestForm1::tickAt(const QString &time, int day)
{
    m_clock.set(QDateTime(QDate(2026, 6, 15).addDays(day), QTime::fromString(time, QStringLiteral("hh:mm:ss.zzz"))));
    QVERIFY(QMetaObject::invokeMethod(m_form.get(), "Timer2_Timer"));
}

void TestForm1::tickShowsTheTimeAndRearms()
{
    createForm();
    const auto *clockField = m_form->findChild<QLineEdit *>(QStringLiteral("mskTime"));
    const auto *timer = m_form->findChild<QTimer *>(QStringLiteral("Timer2"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);

    tickAt(QStringLiteral("18:45:59.300"));
    QCOMPARE(clockField->text(), QStringLiteral("06:45:59 PM"));
    // Re-armed for just after the next second begins: 700 ms and the margin.
    QVERIFY(timer->isActive());
    QVERIFY2(timer->remainingTime() > 650 && timer->remainingTime() <= 702, qPrintable(QString::number(timer->remainingTime())));

    tickAt(QStringLiteral("00:00:00.998"));
    QCOMPARE(clockField->text(), QStringLiteral("12:00:00 AM"));
    QVERIFY2(timer->remainingTime() <= 4, qPrintable(QString::number(timer->remainingTime())));
}

void TestForm1::alarmOpensTargetOnce_data()
{
    // In the record, @ stands for an existing song, ~ for its file: address, %
    // for a folder, # for a folder that does not exist, ! for a file this user
    // may not read and ^ for a file in a folder this user may not enter; in the
    // notice, @ and # as the system writes them.
    QTest::addColumn<QByteArray>("record"); // "<none>": no record
    QTest::addColumn<int>("desktop");       // the desktop's answer: -1 opened, else an Opener::Failure
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("notice"); // part of the notice, or empty for none

    const int fine = -1;
    QTest::newRow("existing file") << QByteArray("@\r\n") << fine << true << "";
    QTest::newRow("path with spaces around") << QByteArray("  @  \r\n") << fine << true << "";
    QTest::newRow("blank lines after the path") << QByteArray("@\r\n\r\n  \n") << fine << true << "";
    QTest::newRow("no record") << QByteArray("<none>") << fine << false << "no file has been chosen";
    QTest::newRow("empty record") << QByteArray() << fine << false << "no file has been chosen";
    QTest::newRow("chosen file deleted") << QByteArray("#/gone.mp3\r\n") << fine << false
                                         << "the chosen file #/gone.mp3 cannot be found";
    QTest::newRow("not a full path, though such a file is where the program runs")
        << QByteArray("ERROR\r\n") << fine << false << "ERROR, which is not a full path";
    QTest::newRow("a folder") << QByteArray("%\r\n") << fine << false << "is not a file that can be opened";
    QTest::newRow("record far too long") << QByteArray(100'000, '/') << fine << false << "cannot be read";
    QTest::newRow("markup in a name stays text") << QByteArray("#/<b>loud</b>.mp3\n") << fine << false
                                                 << "#/<b>loud</b>.mp3";
    QTest::newRow("control character in a name, shown") << QByteArray("#/a\x07" "b.mp3\n") << fine << false
                                                        << QStringLiteral("#/a\uFFFDb.mp3");
    QTest::newRow("file: address") << QByteArray("~\r\n") << fine << true << "";
    QTest::newRow("a file named as a folder") << QByteArray("@/\r\n") << fine << false
                                              << "ends in \u201c/\u201d and so names a folder, but @ is a file";
    // On Windows another computer's file is its share, opened as any path is.
    QTest::newRow("file: address of another computer")
        << QByteArray("file://otherhost/wake.mp3\n") << fine << false
        << (IsFullPath(QStringLiteral("c:\\x")) ? QStringLiteral("\\\\otherhost\\wake.mp3 cannot be found")
                                               : QStringLiteral("the address of a file on another computer"));
    QTest::newRow("a file this user may not read") << QByteArray("!\n") << fine << false
                                                   << "cannot be read: Permission denied.";
    QTest::newRow("a folder this user may not enter") << QByteArray("^\n") << fine << false
                                                      << "cannot be read: you have no permission to open the folder #";
    QTest::newRow("desktop may not read it") << QByteArray("@\r\n") << int(Opener::Failure::NoPermission) << true
                                             << "@ cannot be read: you have no permission to read it";
    QTest::newRow("no application for the type") << QByteArray("@\r\n") << int(Opener::Failure::NoApplication) << true
                                                  << "no application is set up to open that kind of file";
    QTest::newRow("desktop failed") << QByteArray("@\r\n") << int(Opener::Failure::Failed) << true
                                    << "the desktop could not open";
    QTest::newRow("no desktop opener") << QByteArray("@\r\n") << int(Opener::Failure::NoDesktop) << true
                                       << "opener could not be started";
}

void TestForm1::alarmOpensTargetOnce()
{
    QFETCH(QByteArray, record);
    QFETCH(int, desktop);
    QFETCH(bool, opened);
    QFETCH(QString, notice);

    const QString song = m_dir->filePath(QStringLiteral("wake up $(x).mp3"));
    TestFiles::write(song, "ID3");
    // A file literally named ERROR where the program runs must stay unopened.
    TestFiles::write(m_dir->filePath(QStringLiteral("ERROR")), "");
    const QString workingDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    auto restoreWorkingDir = qScopeGuard([&] { QDir::setCurrent(workingDir); });
    const QString nowhere = m_dir->filePath(QStringLiteral("nowhere"));
    const QString secret = m_dir->filePath(QStringLiteral("secret.mp3"));
    const QString inside = nowhere + QStringLiteral("/song.mp3");
    if (record.contains('!') || record.contains('^')) {
        TestFiles::write(secret, "ID3");
        QVERIFY(QDir().mkpath(nowhere));
        TestFiles::write(inside, "ID3");
        if (!TestFiles::restrict(secret, {}, secret)
            || !TestFiles::restrict(nowhere, QFile::ReadOwner | QFile::WriteOwner, inside))
            QSKIP("this user reads every file; as root, ctest runs this again as nobody");
    }
    auto unlock = qScopeGuard([&] { QFile::setPermissions(nowhere, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    if (notice.contains(u'#') || notice.contains(u'@'))
        notice = QDir::toNativeSeparators(notice.replace(u'#', nowhere).replace(u'@', song));
    if (record != "<none>") {
        record.replace('@', song.toUtf8()).replace('%', m_dir->path().toUtf8()).replace('#', nowhere.toUtf8());
        record.replace('~', QUrl::fromLocalFile(song).toEncoded()).replace('!', secret.toUtf8()).replace('^', inside.toUtf8());
        TestFiles::write(m_dir->filePath(QStringLiteral("alarm_file.txt")), record);
    }
    writeAlarmFile("07:30:00 AM\r\n");
    if (desktop >= 0)
        m_opener.failure = Opener::Failure(desktop);
    m_clock.set(QDateTime(QDate(2026, 6, 15), QTime(7, 29, 58, 500)));
    createForm();

    tickAt(QStringLiteral("07:29:59.002"));
    QVERIFY(m_opener.documents.isEmpty());
    tickAt(QStringLiteral("07:30:00.002"));
    tickAt(QStringLiteral("07:30:00.640"));
    tickAt(QStringLiteral("07:30:01.002"));

    QCOMPARE(m_opener.documents, opened ? QStringList{song} : QStringList{});
    if (notice.isEmpty()) {
        QTest::qWait(20);
        QVERIFY(notices().isEmpty());
    } else {
        QTRY_COMPARE(notices().size(), 1);
        const QString text = notices().first()->text();
        QVERIFY2(text.contains(QStringLiteral("07:30:00 AM on Monday, 15 June")), qPrintable(text));
        QVERIFY2(text.contains(notice), qPrintable(text));
        QVERIFY2(!notices().first()->isModal(), "the notice must not block the window");
        QCOMPARE(notices().first()->textFormat(), Qt::PlainText);
    }
}

void TestForm1::sameTroubleSharesOneNotice_data()
{
    // Each day's trouble at its alarm: "gone" (the file is missing) or "no application" (the
    // desktop's answer); "closed, " first: the user closed the notices before.
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<QStringList>("notices"); // the end of each open notice; # stands for the missing file

    const QString gone = QStringLiteral("Dorvane could not open anything: the chosen file # cannot be found.");
    const QString since = QStringLiteral("\n\nThis has happened %1 times since this notice first appeared, "
                                         "at 07:30:00 AM on Monday, 15 June.");
    QTest::newRow("a missing file six days running")
        << QStringList(6, QStringLiteral("gone"))
        << QStringList{"At 07:30:00 AM on Saturday, 20 June, the alarm time, " + gone + since.arg(6)};
    QTest::newRow("two kinds of trouble, two notices")
        << QStringList{"gone", "no application", "gone"}
        << QStringList{gone + since.arg(2), "16 June, the alarm time, Dorvane could not open anything: "
                                            "no application is set up to open that kind of file (@)."};
    QTest::newRow("closed, then the same again")
        << QStringList{"gone", "closed, gone"}
        << QStringList{"At 07:30:00 AM on Tuesday, 16 June, the alarm time, " + gone};
}

void TestForm1::sameTroubleSharesOneNotice()
{
    QFETCH(QStringList, days);
    QFETCH(QStringList, notices);
    const QString song = m_dir->filePath(QStringLiteral("song.mp3"));
    const QString gone = m_dir->filePath(QStringLiteral("gone.mp3"));
    TestFiles::write(song, "ID3");
    writeAlarmFile("07:30:00 AM\r\n");
    m_clock.set(QDateTime(QDate(2026, 6, 15), QTime(7, 29, 58, 500)));
    createForm();

    for (int day = 0; day < days.size(); ++day) {
        if (days[day].startsWith(u"closed, ")) {
            for (QMessageBox *box : ::notices())
                box->close();
        }
        const bool noApplication = days[day].endsWith(u"no application");
        TestFiles::write(m_dir->filePath(QStringLiteral("alarm_file.txt")), (noApplication ? song : gone).toUtf8() + "\r\n");
        m_opener.failure = noApplication ? std::optional(Opener::Failure::NoApplication) : std::nullopt;
        tickAt(QStringLiteral("07:29:59.002"), day);
        tickAt(QStringLiteral("07:30:00.002"), day);
        QTRY_VERIFY(!::notices().isEmpty());
        QTest::qWait(20);
    }
    // The clock passes midnight with the notices open; they still speak of their days.
    tickAt(QStringLiteral("00:00:01.002"), int(days.size()));

    QStringList open;
    for (const QMessageBox *box : ::notices())
        open.append(box->text());
    QCOMPARE(open.size(), notices.size());
    for (QString end : notices) {
        end.replace(u'#', QDir::toNativeSeparators(gone)).replace(u'@', QDir::toNativeSeparators(song));
        QVERIFY2(std::count_if(open.cbegin(), open.cend(), [&](const QString &text) { return text.endsWith(end); }) == 1,
                 qPrintable(open.join(u"\n----\n")));
    }
}

void TestForm1::pickerChangeCountsFromNextTick()
{
    const QString song = m_dir->filePath(QStringLiteral("song.mp3"));
    TestFiles::write(song, "ID3");
    TestFiles::write(m_dir->filePath(QStringLiteral("alarm_file.txt")), song.toUtf8() + "\r\n");
    writeAlarmFile("07:30:00 AM\r\n");
    m_clock.set(QDateTime(QDate(2026, 6, 15), QTime(7, 29, 58, 500)));
    createForm();

    tickAt(QStringLiteral("07:29:59.002"));
    picker()->setFocus();
    picker()->setCurrentSection(QDateTimeEdit::MinuteSection);
    QTest::keyClick(picker(), Qt::Key_Up);
    tickAt(QStringLiteral("07:30:00.002"));
    QVERIFY(m_opener.documents.isEmpty());
    tickAt(QStringLiteral("07:31:00.002"));
    QCOMPARE(m_opener.documents, QStringList{song});
}

void TestForm1::chooseSong()
{
    const QString song = m_dir->filePath(QStringLiteral("song.mp3"));
    TestFiles::write(song, "ID3");
    TestFiles::write(m_dir->filePath(QStringLiteral("alarm_file.txt")), song.toUtf8() + "\r\n");
}

void TestForm1::wakeUpRequest_data()
{
    QTest::addColumn<QString>("now");
    QTest::addColumn<QByteArray>("alarm");
    QTest::addColumn<QString>("wake"); // the local time asked for

    QTest::newRow("later today") << "2026-06-15 21:04:05" << QByteArray("10:00:00 PM") << "2026-06-15 21:59:30";
    QTest::newRow("tomorrow") << "2026-06-15 21:04:05" << QByteArray("07:30:00 AM") << "2026-06-16 07:29:30";
    QTest::newRow("too soon for the lead: at the alarm") << "2026-06-15 21:04:05" << QByteArray("09:04:20 PM") << "2026-06-15 21:04:20";
    // Where the tests' zone is Berlin's: 02:30 does not exist on 29 March, the alarm comes at 03:00 CEST.
    if (QTimeZone::systemTimeZone().id() == "Europe/Berlin")
        QTest::newRow("daylight saving skips the alarm") << "2026-03-28 22:00:00" << QByteArray("02:30:00 AM") << "2026-03-29 01:59:30";
}

void TestForm1::wakeUpRequest()
{
    QFETCH(QString, now);
    QFETCH(QByteArray, alarm);
    QFETCH(QString, wake);
    chooseSong();
    writeAlarmFile(alarm + "\r\n");
    const QString format = QStringLiteral("yyyy-MM-dd hh:mm:ss");
    m_clock.set(QDateTime::fromString(now, format));
    createForm();
    QCOMPARE(m_wakeUp.requests, QList<QDateTime>{QDateTime::fromString(wake, format)});
}

void TestForm1::wakeUpFollowsTheAlarm()
{
    writeAlarmFile("07:30:00 AM\r\n");
    m_clock.set(QDateTime(QDate(2026, 6, 15), QTime(7, 0)));
    createForm();
    // Nothing to wake for until Set File chooses a file.
    QObject scope;
    ModalDialog::whenShown<frmSelectOneFile>(&scope, [&](frmSelectOneFile &) { QVERIFY(m_wakeUp.requests.isEmpty()); chooseSong(); });
    QTest::mouseClick(m_form->findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);
    picker()->setFocus();
    picker()->setCurrentSection(QDateTimeEdit::MinuteSection);
    QTest::keyClick(picker(), Qt::Key_Up);
    // Ticks ask nothing of the system until the alarm fires.
    tickAt(QStringLiteral("07:30:59.002"));
    tickAt(QStringLiteral("07:31:00.002"));
    QCOMPARE(m_opener.documents.size(), 1);
    m_form.reset();
    m_pane = nullptr; // gone with the window
    QCOMPARE(m_wakeUp.requests, (QList<QDateTime>{QDateTime(QDate(2026, 6, 15), QTime(7, 29, 30)),
                                                  QDateTime(QDate(2026, 6, 15), QTime(7, 30, 30)),
                                                  QDateTime(QDate(2026, 6, 16), QTime(7, 30, 30)), QDateTime()}));
}

void TestForm1::missedAlarmIsTold_data()
{
    // The computer sleeps across the alarm; the clock set forward and Dorvane stopped are seen end to end.
    QTest::addColumn<int>("seconds");
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<QString>("refusal"); // why the system would not wake the computer
    QTest::addColumn<QString>("told");    // part of the notice

    const QString off = QStringLiteral("waking the computer is turned off with DORVANE_WAKE=off");
    QTest::newRow("waking turned off") << 62 << true << off
                                       << "15 June was missed and is not played late: the computer was asleep. "
                                          "Dorvane could not wake it: " + off + ".";
    QTest::newRow("asked to wake") << 62 << true << "" << "asleep. Dorvane had asked the system to wake it at 07:29:30 AM.";
    QTest::newRow("no file chosen") << 62 << false << "" << "asleep. Dorvane does not wake the computer while no file is chosen.";
    QTest::newRow("past midnight: the day named") << 60'000 << true << "" << "07:30:00 AM on Monday, 15 June was";
}

void TestForm1::missedAlarmIsTold()
{
    QFETCH(int, seconds);
    QFETCH(bool, chosen);
    QFETCH(QString, refusal);
    QFETCH(QString, told);
    if (chosen)
        chooseSong();
    writeAlarmFile("07:30:00 AM\r\n");
    m_wakeUp.refusal = refusal;
    m_clock.set(QDateTime(QDate(2026, 6, 15), QTime(7, 29)));
    createForm();
    tickAt(QStringLiteral("07:29:59.002"));
    m_clock.sleepMSecs(seconds * 1000LL);
    QVERIFY(QMetaObject::invokeMethod(m_form.get(), "Timer2_Timer"));

    QVERIFY(m_opener.documents.isEmpty());
    QTRY_COMPARE(notices().size(), 1);
    QVERIFY2(notices().first()->text().contains(told), qPrintable(notices().first()->text()));
    QVERIFY(!notices().first()->isModal());
}

void TestForm1::setFileShowsFreshChooserWhileClockRuns()
{
    const QString music = m_dir->filePath(QStringLiteral("home/Music"));
    QVERIFY(QDir().mkpath(music + QStringLiteral("/Albums")));
    const QString song = QDir::toNativeSeparators(music + QStringLiteral("/alarm"));
    TestFiles::write(song, "sound");
    TestFiles::write(music + QStringLiteral("/Albums/wake up.mp3"), "sound");
    const QString record = m_dir->filePath(QStringLiteral("alarm_file.txt"));
    TestFiles::write(record, song.toUtf8() + "\r\n");
    Module1::FilePattern = QStringLiteral("*.wav");
    createForm();
    m_form->show();
    picker()->setTime(QTime(21, 4, 6));
    const auto *clockField = m_form->findChild<QLineEdit *>(QStringLiteral("mskTime"));
    auto *setFile = m_form->findChild<QPushButton *>(QStringLiteral("Command3"));
    auto list = [](const QWidget &dialog, const char *name) { return dialog.findChild<QListWidget *>(QLatin1String(name)); };

    QObject scope;
    bool ticked = false;
    ModalDialog::whenShown<frmSelectOneFile>(&scope, [&](frmSelectOneFile &dialog) {
        QCOMPARE(dialog.findChild<FileListBox *>(QStringLiteral("File1"))->pattern(), QStringLiteral("*.*"));
        m_clock.advanceMSecs(1000);
        ticked = QTest::qWaitFor([&] { return clockField->text() == u"09:04:06 PM"; }, 3000);
        Lists::clickItem(list(dialog, "Dir1"), QStringLiteral("Albums"), true);
        Lists::clickItem(list(dialog, "File1"), QStringLiteral("wake up.mp3"));
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    });
    QTest::mouseClick(setFile, Qt::LeftButton);
    QVERIFY(ticked);
    QCOMPARE(m_opener.documents, QStringList{song}); // the alarm fired behind the dialog
    QVERIFY(!QApplication::activeModalWidget());

    bool fresh = false;
    ModalDialog::whenShown<frmSelectOneFile>(&scope, [&](frmSelectOneFile &dialog) {
        const QString musicFolder = QDir::toNativeSeparators(music);
        QCOMPARE(dialog.findChild<DirListBox *>(QStringLiteral("Dir1"))->path(), musicFolder);
        const auto *files = dialog.findChild<FileListBox *>(QStringLiteral("File1"));
        QCOMPARE(files->path(), musicFolder);
        QCOMPARE(files->listIndex(), -1);
        QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("cmdOk"))->isEnabled());
        fresh = true;
    });
    QTest::mouseClick(setFile, Qt::LeftButton);
    QVERIFY(fresh);
    QCOMPARE(TestFiles::read(record), song.toUtf8() + "\r\n");
}

QTEST_MAIN(TestForm1)
#include "tst_Form1.moc"
