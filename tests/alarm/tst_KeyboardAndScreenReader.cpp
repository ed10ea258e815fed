// SPDX-License-Identifier: GPL-3.0-or-later
// Widget tests of what keyboard and screen-reader users get: every control's
// name and description, and the whole story told with keys alone.
#include "AccessibleWidgets.h"
#include "DriveMap.h"
#include "FakeClock.h"
#include "FakeOpener.h"
#include "FakeStayAwake.h"
#include "FakeWakeUp.h"
#include "Form1.h"
#include "ModalDialog.h"
#include "Module1.h"
#include "SequentialFiles.h"
#include "TestFiles.h"
#include "PaneFactory.h"
#include "frmSelectOneFile.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>

namespace {

QString accessibleText(QWidget *widget, QAccessible::Text what)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(what) : QStringLiteral("<no accessible interface>");
}

/// What a screen reader announces for the widget that has the keyboard focus.
QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? accessibleText(focus, QAccessible::Name) : QStringLiteral("<no focus>");
}

/// Presses @p key where the keyboard focus is, as the user's keyboard does.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY2(focus, "nothing has the keyboard focus");
    QTest::keyClick(focus, key, modifiers);
}

/// Presses Tab (or Shift+Tab) @p times and notes what the focus lands on each time.
QStringList tab(int times, Qt::KeyboardModifiers modifiers = {})
{
    QStringList landed;
    for (int i = 0; i < times; ++i) {
        press(Qt::Key_Tab, modifiers);
        landed.append(focusName());
    }
    return landed;
}

} // namespace

class TestKeyboardAndScreenReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsNamed_data();
    void controlsNamed();
    void everyControlNamed();
    void wholeStoryByKeyboard_data();
    void wholeStoryByKeyboard();

private:
    QString home() const { return m_dir->filePath(QStringLiteral("home")); }
    QString record() const { return m_dir->filePath(QStringLiteral("settings/alarm_file.txt")); }
    Places::Browsing browsing() const;
    Form1 *createForm();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SequentialFiles> m_files;
    FakeClock m_clock;
    FakeOpener m_opener;
    FakeWakeUp m_wakeUp;
    FakeStayAwake m_stayAwake;
    std::unique_ptr<Form1> m_form;
};

void TestKeyboardAndScreenReader::initTestCase()
{
    // As the program does: a drop-down list is named for what it is for on every system.
    AccessibleWidgets::install();
}

void TestKeyboardAndScreenReader::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    const QString music = home() + QStringLiteral("/Music");
    QVERIFY(QDir().mkpath(music + QStringLiteral("/Albums")));
    QVERIFY(QDir().mkpath(music + QStringLiteral("/Zebra")));
    for (const char *name : {"Albums/birds.wav", "Albums/wake up.mp3", "top.mp3"})
        TestFiles::write(music + u'/' + QLatin1String(name), "sound");
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("settings"))));
    m_files = std::make_unique<SequentialFiles>(DriveMap(m_dir->filePath(QStringLiteral("settings"))));
    // The shipped pages' stand-in: one line and one link, like the real strip.
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("site/english"))));
    TestFiles::write(m_dir->filePath(QStringLiteral("site/english/more.htm")),
                     "<html><head><title>More from the makers</title></head>"
                     "<body><p>One file.<br><a href=\"dorvane.htm\">How it works</a></p></body></html>");
    m_clock.set(QDateTime(QDate(2026, 6, 15), QTime(6, 59, 0)));
    m_opener = FakeOpener();
}

void TestKeyboardAndScreenReader::cleanup()
{
    m_form.reset();
}

Places::Browsing TestKeyboardAndScreenReader::browsing() const
{
    // The root of the test's own drive and its home folder as the places, and
    // its Music folder to start in: no test sees the real ones.
    const QString root = m_dir->path().left(m_dir->path().indexOf(u'/') + 1);
    const QString homeFolder = home();
    return {[root, homeFolder] { return QList<Places::Place>{{root, QString()}, {homeFolder, QStringLiteral("Home")}}; },
            [homeFolder] { return homeFolder + QStringLiteral("/Music"); }};
}

Form1 *TestKeyboardAndScreenReader::createForm()
{
    const QUrl site = QUrl::fromLocalFile(m_dir->filePath(QStringLiteral("site")) + u'/');
    m_form = std::make_unique<Form1>(
        Form1::Services{{m_clock, m_opener, m_wakeUp, m_stayAwake, *m_files}, createWebPane(m_opener), WebPages::onSite(site), browsing()});
    return m_form.get();
}

void TestKeyboardAndScreenReader::controlsNamed_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("clock") << "Form1" << "mskTime" << "Time now";
    QTest::newRow("alarm time") << "Form1" << "dtAlarmTime" << "Alarm time";
    QTest::newRow("Help") << "Form1" << "Command1" << "Help";
    QTest::newRow("Contact") << "Form1" << "Command2" << "Contact";
    QTest::newRow("Set File") << "Form1" << "Command3" << "Set File";
    QTest::newRow("web pane") << "Form1" << "WebBrowser1" << "News from Dorvane's makers";
    QTest::newRow("places") << "frmSelectOneFile" << "Drive1" << "Place";
    QTest::newRow("folders") << "frmSelectOneFile" << "Dir1" << "Folders";
    QTest::newRow("files") << "frmSelectOneFile" << "File1" << "Files";
    QTest::newRow("Ok") << "frmSelectOneFile" << "cmdOk" << "Ok";
    QTest::newRow("Cancel") << "frmSelectOneFile" << "Command1" << "Cancel";
}

void TestKeyboardAndScreenReader::controlsNamed()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    std::unique_ptr<QWidget> chooser;
    QWidget *shown = createForm();
    if (window == u"frmSelectOneFile") {
        chooser = std::make_unique<frmSelectOneFile>(*m_files, browsing());
        shown = chooser.get();
    }
    auto *widget = shown->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->accessibleName(), name);
    QCOMPARE(accessibleText(widget, QAccessible::Name), name);
    if (auto *list = qobject_cast<QComboBox *>(widget)) {
        QVERIFY(!list->currentText().isEmpty());
        QCOMPARE(accessibleText(widget, QAccessible::Value), list->currentText());
#ifdef Q_OS_UNIX
        // Where a screen reader reads the place from its text (Orca, through AT-SPI).
        QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(widget)->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), list->currentText());
#endif
    }
    const QString description = accessibleText(widget, QAccessible::Description);
    QVERIFY2(description.size() > name.size() + 10, qPrintable(description));
}

void TestKeyboardAndScreenReader::everyControlNamed()
{
    // A control added later without a name is caught here, not by a blind user.
    const frmSelectOneFile chooser(*m_files, browsing());
    for (QWidget *window : {static_cast<QWidget *>(createForm()), static_cast<QWidget *>(const_cast<frmSelectOneFile *>(&chooser))}) {
        // Named by its title; on AT-SPI, a window, not a part of one.
        const QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(window);
        QCOMPARE(accessible->text(QAccessible::Name), window->windowTitle());
#ifdef Q_OS_UNIX
        QCOMPARE(accessible->role(), window == &chooser ? QAccessible::Dialog : QAccessible::Window);
#endif
        QVERIFY(!accessibleText(window, QAccessible::Description).isEmpty());
        const QList<QWidget *> controls = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QVERIFY(controls.size() >= 5);
        for (QWidget *control : controls) {
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
            QVERIFY2(!control->accessibleDescription().isEmpty(), qPrintable(control->objectName()));
        }
    }
}

void TestKeyboardAndScreenReader::wholeStoryByKeyboard_data()
{
    QTest::addColumn<bool>("confirm"); // Enter on Ok, or Escape
    QTest::newRow("Ok") << true;
    QTest::newRow("Escape") << false;
}

void TestKeyboardAndScreenReader::wholeStoryByKeyboard()
{
    QFETCH(bool, confirm);
    const QByteArray before = "/old/choice.mp3\r\n";
    TestFiles::write(record(), before);
    createForm()->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));

    // The alarm time has the focus first: type the hours and minutes, then Down turns PM into AM.
    QCOMPARE(focusName(), QStringLiteral("Alarm time"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0730"));
    press(Qt::Key_Down);
    QCOMPARE(m_form->findChild<QTimeEdit *>(QStringLiteral("dtAlarmTime"))->time(), QTime(7, 30));
    QCOMPARE(TestFiles::read(m_dir->filePath(QStringLiteral("settings/9836v3.txt"))), "07:30:00 AM\r\n");

    // The page in the pane is one stop, its link another, on the way to Set File.
    QCOMPARE(tab(6), (QStringList{"Time now", "Help", "Contact", "More from the makers", "More from the makers",
                                  "Set File"}));

    QStringList chooserStops;
    QObject scope;
    ModalDialog::whenShown<frmSelectOneFile>(&scope, [&](frmSelectOneFile &dialog) {
        QTRY_VERIFY(dialog.isActiveWindow());
        chooserStops.append(focusName());
        // Up to the root folder and Down back to the home folder, in the list of places.
        press(Qt::Key_Up);
        press(Qt::Key_Down);
        chooserStops += tab(1);
        // In the folders, the home folder stands highlighted: Down to Music, open it, Down to Albums, open it.
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Return, Qt::Key_Down, Qt::Key_Return})
            press(key);
        // Ok is skipped while no file is selected.
        chooserStops += tab(2);
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        chooserStops += tab(1, Qt::ShiftModifier);
        press(confirm ? Qt::Key_Space : Qt::Key_Escape);
    });
    press(Qt::Key_Space);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(chooserStops, (QStringList{"Place", "Folders", "Cancel", "Files", "Ok"}));

    const QString chosen = QDir::toNativeSeparators(home() + QStringLiteral("/Music/Albums/wake up.mp3"));
    if (confirm) {
        QVERIFY(TestFiles::read(record()).endsWith("\r\n"));
        QCOMPARE(SequentialFiles::linesOf(TestFiles::read(record())), QStringList{chosen});
    }
    else
        QCOMPARE(TestFiles::read(record()), before);
    // Back in the window, the keyboard is where it left it.
    QCOMPARE(m_form->focusWidget()->accessibleName(), QStringLiteral("Set File"));
}

QTEST_MAIN(TestKeyboardAndScreenReader)
#include "tst_KeyboardAndScreenReader.moc"
