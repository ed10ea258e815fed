// SPDX-License-Identifier: GPL-3.0-or-later
// Widget tests of the main window: start-up, the alarm-time file, layout, buttons and notices.
#include "AlarmClock.h"
#include "DirListBox.h"
#include "DriveMap.h"
#include "FakeClock.h"
#include "FakeOpener.h"
#include "FakeStayAwake.h"
#include "FakeWakeUp.h"
#include "FakeWebPane.h"
#include "FileListBox.h"
#include "Form1.h"
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
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
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
    void tickShowsTheTime();
    void sameTroubleSharesOneNotice_data();
    void sameTroubleSharesOneNotice();
    void setFileShowsFreshChooserWhileClockRuns();
    void wakePlanShownOnTheAlarmTime();

private:
    QString alarmFile() const { return m_dir->filePath(QStringLiteral("9836v3.txt")); }
    void writeAlarmFile(const QByteArray &bytes);
    QByteArray alarmFileBytes() const;
    Form1 *createForm();
    QTimeEdit *picker() const { return m_form->findChild<QTimeEdit *>(QStringLiteral("dtAlarmTime")); }
    void tickAt(const QString &time, int day = 0);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SequentialFiles> m_files;
    FakeClock m_clock;
    FakeOpener m_opener;
    FakeWakeUp m_wakeUp;
    FakeStayAwake m_stayAwake;
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
    m_form = std::make_unique<Form1>(Form1::Services{{m_clock, m_opener, m_wakeUp, m_stayAwake, *m_files}, m_pane, pages, browsing});
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
    QVERIFY(QMetaObject::invokeMethod(m_form->findChild<AlarmClock *>(), "Timer2_Timer"));
}

void TestForm1::tickShowsTheTime()
{
    createForm();
    tickAt(QStringLiteral("00:00:00.998"));
    QCOMPARE(m_form->findChild<QLineEdit *>(QStringLiteral("mskTime"))->text(), QStringLiteral("12:00:00 AM"));
}

void TestForm1::sameTroubleSharesOneNotice_data()
{
    // Each day's trouble at its alarm: "gone" (the file is missing) or "no application" (the
    // desktop's answer); "closed, " first: the user closed the notices before.
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<QStringList>("notices"); // the end of each open notice; # stands for the missing file

    const QString gone = QStringLiteral("Dorvane could not open anything: the chosen file # cannot be found.");
    const QString since = QStringLiteral("\n\nThis has happened %1 times, the first at 07:30:00 AM on Monday, 15 June.");
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

void TestForm1::wakePlanShownOnTheAlarmTime()
{
    const QString song = m_dir->filePath(QStringLiteral("song.mp3"));
    TestFiles::write(song, "ID3");
    TestFiles::write(m_dir->filePath(QStringLiteral("alarm_file.txt")), song.toUtf8() + "\r\n");
    writeAlarmFile("07:30:00 AM\r\n");
    createForm();
    const QString woken = QStringLiteral("The computer will be woken at 07:29:00 AM for the alarm.");
    QCOMPARE(picker()->toolTip(), woken);
    QVERIFY(picker()->accessibleDescription().endsWith(u' ' + woken));
    // The system's answer comes later and changes what is said.
    m_wakeUp.answer(QStringLiteral("its helper is not there"));
    QCOMPARE(picker()->toolTip(), QStringLiteral("This computer will not be woken for the alarm: its helper is not there."));
}

QTEST_MAIN(TestForm1)
#include "tst_Form1.moc"
