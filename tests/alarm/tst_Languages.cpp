// SPDX-License-Identifier: GPL-3.0-or-later
// Tests that the main window speaks German to a German user, and that what it stores speaks no language.
#include "DriveMap.h"
#include "FakeClock.h"
#include "FakeOpener.h"
#include "FakeStayAwake.h"
#include "FakeWakeUp.h"
#include "FakeWebPane.h"
#include "Form1.h"
#include "SequentialFiles.h"
#include "TestFiles.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTranslator>

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowAndNoticeInGerman();
    void fileWrittenInGermanReadsInEnglish();

private:
    std::unique_ptr<Form1> createForm()
    {
        return std::make_unique<Form1>(Form1::Services{{m_clock, m_opener, m_wakeUp, m_stayAwake, *m_files},
                                                       new FakeWebPane, WebPages::onSite(QUrl())});
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SequentialFiles> m_files;
    FakeClock m_clock{QDateTime(QDate(2026, 6, 15), QTime(7, 29, 59))};
    FakeOpener m_opener;
    FakeWakeUp m_wakeUp;
    FakeStayAwake m_stayAwake;
};

namespace {

/// Every sentence a window shows or tells a screen reader, by where it stands.
QStringList sentencesOf(const QWidget &window)
{
    QStringList sentences;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        const auto *button = qobject_cast<const QAbstractButton *>(widget);
        sentences << (button ? button->text() : QString()) << widget->toolTip() << widget->accessibleName()
                  << widget->accessibleDescription();
    }
    return sentences;
}

void installGerman()
{
    QCOMPARE(Translations::install(*qApp, {QStringLiteral(DORVANE_TRANSLATIONS_DIR)}, {QStringLiteral("de-DE")}).language(),
             QLocale::German);
}

} // namespace

void TestLanguages::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_files = std::make_unique<SequentialFiles>(DriveMap(m_dir->path()));
}

void TestLanguages::cleanup()
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    qDeleteAll(QApplication::topLevelWidgets());
}

void TestLanguages::windowAndNoticeInGerman()
{
    TestFiles::write(m_dir->filePath(QStringLiteral("9836v3.txt")), "07:30:00 AM\r\n");
    const QStringList english = sentencesOf(*createForm());
    installGerman();
    const std::unique_ptr<Form1> form = createForm();
    const QStringList german = sentencesOf(*form);
    // Every sentence is another in German: none was left untranslatable or untranslated.
    QCOMPARE(german.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i)
        QVERIFY2(english[i].isEmpty() || german[i] != english[i], qPrintable(english[i]));

    // The alarm comes with no file chosen: the notice names the day in German.
    m_clock.set(QDateTime(QDate(2026, 6, 15), QTime(7, 30, 0, 2)));
    QVERIFY(QMetaObject::invokeMethod(form->findChild<QObject *>(QStringLiteral("Timer2"))->parent(), "Timer2_Timer"));
    QMessageBox *notice = nullptr;
    QTRY_VERIFY((notice = form->findChild<QMessageBox *>()));
    QVERIFY2(notice->text().contains(QStringLiteral("Montag, 15. Juni")), qPrintable(notice->text()));
}

void TestLanguages::fileWrittenInGermanReadsInEnglish()
{
    installGerman();
    auto form = createForm();
    auto *picker = form->findChild<QTimeEdit *>(QStringLiteral("dtAlarmTime"));
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::AmPmSection);
    QTest::keyClick(picker, Qt::Key_Down);
    form.reset();
    // A German user's file is byte for byte an English user's.
    QCOMPARE(TestFiles::read(m_dir->filePath(QStringLiteral("9836v3.txt"))), QByteArray("12:00:00 AM\r\n"));
    cleanup();
    QCOMPARE(createForm()->findChild<QTimeEdit *>(QStringLiteral("dtAlarmTime"))->time(), QTime(0, 0));
}

QTEST_MAIN(TestLanguages)
#include "tst_Languages.moc"
