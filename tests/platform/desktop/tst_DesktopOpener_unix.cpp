// SPDX-License-Identifier: GPL-3.0-or-later
// Tests that a document reaches xdg-open as exactly one argument, and that its answer comes back.
#include "DesktopOpenerTest.h"
#include "TestFiles.h"

#include <QFile>

class TestDesktopOpener : public DesktopOpenerTest
{
    Q_OBJECT

private slots:
    void answer_data();
    void answer();
    void noAnswerOnceTheWindowIsGone();

private:
    void prepareDesktop() override { qputenv("PATH", m_dir->path().toUtf8()); }
    /// Puts an xdg-open in PATH that records its arguments, then runs @p body.
    void installXdgOpen(const QByteArray &body);
    QString recorded() const { return m_dir->filePath(QStringLiteral("arguments")); }
};

void TestDesktopOpener::installXdgOpen(const QByteArray &body)
{
    const QString script = m_dir->filePath(QStringLiteral("xdg-open"));
    TestFiles::write(script, "#!/bin/sh\nfor a; do printf '%s\\n--\\n' \"$a\"; done > '" + recorded().toUtf8() + "'\n" + body + "\n");
    QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void TestDesktopOpener::answer_data()
{
    QTest::addColumn<QByteArray>("xdgOpen"); // the script's body; empty: no xdg-open at all
    QTest::addColumn<std::optional<Failure>>("failure");

    QTest::newRow("opened") << QByteArray("exit 0") << std::optional<Failure>();
    QTest::newRow("file missing") << QByteArray("exit 2") << std::optional<Failure>(Failure::NotFound);
    QTest::newRow("nothing handles the type") << QByteArray("exit 3") << std::optional<Failure>(Failure::NoApplication);
    QTest::newRow("the action failed") << QByteArray("exit 4") << std::optional<Failure>(Failure::Failed);
    QTest::newRow("no permission to read") << QByteArray("exit 5") << std::optional<Failure>(Failure::NoPermission);
    QTest::newRow("killed") << QByteArray("kill -9 $$") << std::optional<Failure>(Failure::Failed);
    QTest::newRow("still running the player") << QByteArray("/bin/sleep 2 >/dev/null 2>&1; : > \"$0.ended\"")
                                              << std::optional<Failure>();
    QTest::newRow("no xdg-open") << QByteArray() << std::optional<Failure>(Failure::NoDesktop);
}

void TestDesktopOpener::answer()
{
    QFETCH(QByteArray, xdgOpen);
    QFETCH(std::optional<Failure>, failure);
    if (!xdgOpen.isEmpty())
        installXdgOpen(xdgOpen);

    // Quotes, a command substitution and a leading dash in the name reach
    // xdg-open as they are, with no shell in between.
    const QString path = QStringLiteral("/tmp/wake up 'now' $(touch pwned); -v \u00E9t\u00E9.mp3");
    DesktopOpener opener(300);
    QObject window;
    const auto heard = open(opener, path, &window);
    QCOMPARE(heard->answers, 0); // never before the event loop runs
    QTRY_COMPARE_WITH_TIMEOUT(heard->answers, 1, 5000);
    QCOMPARE(heard->failure, failure);
    if (!xdgOpen.isEmpty())
        QCOMPARE(TestFiles::read(recorded()), path.toUtf8() + "\n--\n");
    // An opener whose player is still running outlives the test otherwise,
    // and the sanitizer build reports it as leaked; its late end must not
    // answer a second time.
    if (xdgOpen.contains("ended")) {
        const QString ended = m_dir->filePath(QStringLiteral("xdg-open.ended"));
        QVERIFY2(!QFile::exists(ended), "the answer waited for the player to end");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ended), 5000);
    }
    QTest::qWait(400);
    QCOMPARE(heard->answers, 1);
}

void TestDesktopOpener::noAnswerOnceTheWindowIsGone()
{
    installXdgOpen("exit 3");
    DesktopOpener opener;
    // The window closes as soon as it asked.
    const auto heard = open(opener, QStringLiteral("/tmp/song.mp3"), std::make_unique<QObject>().get());
    // xdg-open itself still ran: closing the window must not cut a player's start short.
    QTRY_VERIFY(QFile::exists(recorded()));
    QTest::qWait(200);
    QCOMPARE(heard->answers, 0);
}

QTEST_GUILESS_MAIN(TestDesktopOpener)
#include "tst_DesktopOpener_unix.moc"
