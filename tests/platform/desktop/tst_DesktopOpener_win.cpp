// SPDX-License-Identifier: GPL-3.0-or-later
// Tests that a document reaches the shell's "Open" with its exact path, and that the shell's answer comes back.
#include "DesktopOpenerTest.h"
#include "TestFiles.h"

#include <QDir>

class TestDesktopOpener : public DesktopOpenerTest
{
    Q_OBJECT

private slots:
    void answer_data();
    void answer();
    void noAnswerOnceTheWindowIsGone();
};

void TestDesktopOpener::answer_data()
{
    // A batch file is a document that every Windows opens, by running it:
    // this one leaves a mark beside itself, so the test sees it was opened.
    QTest::addColumn<QString>("name");      // made in the temporary folder; empty: made nowhere
    QTest::addColumn<QString>("opened");    // the name asked to open
    QTest::addColumn<std::optional<Failure>>("failure");

    QTest::newRow("opened, spaces and letters beyond the code page")
        << QStringLiteral("wake up \u00E9t\u00E9 \u03A9.cmd") << QStringLiteral("wake up \u00E9t\u00E9 \u03A9.cmd")
        << std::optional<Failure>();
    QTest::newRow("file missing") << QString() << QStringLiteral("gone.cmd") << std::optional<Failure>(Failure::NotFound);
    QTest::newRow("folder missing") << QString() << QStringLiteral("gone\\song.mp3") << std::optional<Failure>(Failure::NotFound);
    QTest::newRow("nothing handles the type") << QStringLiteral("song.dorvane-nothing-opens-this")
                                              << QStringLiteral("song.dorvane-nothing-opens-this")
                                              << std::optional<Failure>(Failure::NoApplication);
}

void TestDesktopOpener::answer()
{
    QFETCH(QString, name);
    QFETCH(QString, opened);
    QFETCH(std::optional<Failure>, failure);
    if (!name.isEmpty())
        TestFiles::write(m_dir->filePath(name), "@echo off\r\ntype nul > \"%~dp0opened.txt\"\r\n");

    DesktopOpener opener;
    QObject window;
    const auto heard = open(opener, QDir::toNativeSeparators(m_dir->filePath(opened)), &window);
    QCOMPARE(heard->answers, 0); // never before the event loop runs
    QTRY_COMPARE_WITH_TIMEOUT(heard->answers, 1, 10000);
    QCOMPARE(heard->failure, failure);
    if (!failure)
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_dir->filePath(QStringLiteral("opened.txt"))), 10000);
    QTest::qWait(200);
    QCOMPARE(heard->answers, 1);
}

void TestDesktopOpener::noAnswerOnceTheWindowIsGone()
{
    TestFiles::write(m_dir->filePath(QStringLiteral("alarm.cmd")), "@echo off\r\ntype nul > \"%~dp0opened.txt\"\r\n");
    DesktopOpener opener;
    // The window closes as soon as it asked.
    const auto heard = open(opener, QDir::toNativeSeparators(m_dir->filePath(QStringLiteral("alarm.cmd"))),
                            std::make_unique<QObject>().get());
    // The shell still opened it: closing the window must not cut a player's start short.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_dir->filePath(QStringLiteral("opened.txt"))), 10000);
    QTest::qWait(200);
    QCOMPARE(heard->answers, 0);
}

QTEST_GUILESS_MAIN(TestDesktopOpener)
#include "tst_DesktopOpener_win.moc"
