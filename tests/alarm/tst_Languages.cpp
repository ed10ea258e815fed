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
    std::unique_ptr<Form1> createForm();
    /// Every sentence the window shows or tells a screen reader, by where it stands.
    static QMap<QString, QString> sentencesOf(const QWidget &window);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SequentialFiles> m_files;
    FakeClock m_clock{QDateTime(QDate(2026, 6, 15), QTime(7, 29, 59))};
    FakeOpener m_opener;
    FakeWakeUp m_wakeUp;
    FakeStayAwake m_stayAwake;
};

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
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox *>(widget))
            delete widget;
    }
}

std::unique_ptr<Form1> TestLanguages::createForm()
{
    return std::make_unique<Form1>(Form1::Services{{m_clock, m_opener, m_wakeUp, m_stayAwake, *m_files},
                                                   new FakeWebPane, WebPages::onSite(QUrl(QStringLiteral("https://example.org/")))});
}

QMap<QString, QString> TestLanguages::sentencesOf(const QWidget &window)
{
    QMap<QString, QString> sentences;
    QList<const QWidget *> widgets{&window};
    for (const QWidget *child : window.findChildren<QWidget *>())
        widgets.append(child);
    for (const QWidget *widget : widgets) {
        const QString where = widget->objectName();
        if (where.isEmpty())
            continue;
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            sentences.insert(where + QStringLiteral(" caption"), button->text());
        sentences.insert(where + QStringLiteral(" tooltip"), widget->toolTip());
        sentences.insert(where + QStringLiteral(" name"), widget->accessibleName());
        sentences.insert(where + QStringLiteral(" description"), widget->accessibleDescription());
    }
    sentences.removeIf([](const auto &sentence) { return sentence.value().isEmpty(); });
    return sentences;
}

void TestLanguages::windowAndNoticeInGerman()
{
    TestFiles::write(m_dir->filePath(QStringLiteral("9836v3.txt")), "07:30:00 AM\r\n");
    const QMap<QString, QString> english = sentencesOf(*createForm());
    QCOMPARE(Translations::install(*qApp, {QStringLiteral(DORVANE_TRANSLATIONS_DIR)}, {QStringLiteral("de-DE")}).language(),
             QLocale::German);
    const std::unique_ptr<Form1> form = createForm();
    const QMap<QString, QString> german = sentencesOf(*form);
    QCOMPARE(german.keys(), english.keys());
    // The window's own name is no sentence; everything else must have been translated.
    for (auto sentence = english.cbegin(); sentence != english.cend(); ++sentence) {
        if (sentence.value() != u"Dorvane")
            QVERIFY2(german.value(sentence.key()) != sentence.value(), qPrintable(sentence.key() + QStringLiteral(": ") + sentence.value()));
    }

    // No file chosen, the alarm comes: the notice names the day in German.
    m_clock.set(QDateTime(QDate(2026, 6, 15), QTime(7, 30, 0, 2)));
    QVERIFY(QMetaObject::invokeMethod(form->findChild<QObject *>(QStringLiteral("Timer2"))->parent(), "Timer2_Timer"));
    const auto shownNotice = [] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
                return box;
        }
        return static_cast<QMessageBox *>(nullptr);
    };
    QTRY_VERIFY(shownNotice());
    const QMessageBox *notice = shownNotice();
    QVERIFY2(notice->text().contains(QStringLiteral("Montag")), qPrintable(notice->text()));
    QVERIFY2(!notice->text().contains(QStringLiteral("the alarm time")), qPrintable(notice->text()));
}

void TestLanguages::fileWrittenInGermanReadsInEnglish()
{
    Translations::install(*qApp, {QStringLiteral(DORVANE_TRANSLATIONS_DIR)}, {QStringLiteral("de-DE")});
    {
        const std::unique_ptr<Form1> form = createForm();
        auto *picker = form->findChild<QTimeEdit *>(QStringLiteral("dtAlarmTime"));
        picker->setFocus();
        picker->setCurrentSection(QDateTimeEdit::AmPmSection);
        QTest::keyClick(picker, Qt::Key_Down);
    }
    // A German user's file is byte for byte an English user's.
    QCOMPARE(TestFiles::read(m_dir->filePath(QStringLiteral("9836v3.txt"))), QByteArray("12:00:00 AM\r\n"));
    cleanup();
    const std::unique_ptr<Form1> form = createForm();
    QCOMPARE(form->findChild<QTimeEdit *>(QStringLiteral("dtAlarmTime"))->time(), QTime(0, 0));
}

QTEST_MAIN(TestLanguages)
#include "tst_Languages.moc"
