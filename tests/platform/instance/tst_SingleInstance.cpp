// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the one running copy: only its answer counts, and a lock that cannot be made is no running copy.
#include "SingleInstance.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <optional>

using Claim = SingleInstance::Claim;

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void claim_data();
    void claim();

private:
    std::optional<QTemporaryDir> m_dir;
};

void TestSingleInstance::init()
{
    m_dir.emplace();
    QFile file(m_dir->filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void TestSingleInstance::claim_data()
{
    QTest::addColumn<QString>("state"); // of a copy for cfg/dorvane while the later start rings; none when empty
    QTest::addColumn<QString>("later");
    QTest::addColumn<Claim>("expected");

    QTest::newRow("nothing runs") << "" << "cfg/dorvane" << Claim::Running;
    QTest::newRow("a copy runs") << "answers" << "cfg/dorvane/" << Claim::OtherShown;
    QTest::newRow("a copy runs for another folder") << "answers" << "other/dorvane" << Claim::Running;
    // xdg-open starts the song player, which may outlive the copy.
    QTest::newRow("a copy ended, its song player runs on") << "ended" << "cfg/dorvane" << Claim::Running;
    // Its folder cannot be made; on Windows neither can the lock's temporary folder (TMP points there).
    QTest::newRow("the lock cannot be made") << "" << "file/dorvane" << Claim::Unguarded;
#ifdef Q_OS_UNIX
    // Windows takes a ring for the copy itself.
    QTest::newRow("a copy runs but is frozen") << "frozen" << "cfg/dorvane" << Claim::OtherSilent;
#endif
}

void TestSingleInstance::claim()
{
    QFETCH(QString, state);
    QFETCH(QString, later);
    QFETCH(Claim, expected);

    std::optional<SingleInstance> first;
    int shown = 0;
    QProcess player;
    if (!state.isEmpty()) {
        first.emplace(m_dir->filePath(QStringLiteral("cfg/dorvane")));
        QCOMPARE(first->claim(), Claim::Running);
        connect(&*first, &SingleInstance::showRequested, this, [&shown] { ++shown; });
    }
    if (state == u"ended") {
        player.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        if (!player.waitForStarted())
            QSKIP("No program here to stand for a song player");
        first.reset();
    }
    const auto restoreTmp = qScopeGuard([tmp = qgetenv("TMP")] { qputenv("TMP", tmp); });
    if (expected == Claim::Unguarded)
        qputenv("TMP", m_dir->filePath(QStringLiteral("file/tmp")).toUtf8());

    // The later start rings from a thread of its own, as another process would,
    // while this one answers for the running copy or, frozen, only waits.
    const bool frozen = state == u"frozen";
    Claim claim{};
    SingleInstance::Problem problem;
    const std::unique_ptr<QThread> start(QThread::create([&, folder = m_dir->filePath(later)] {
        SingleInstance copy(folder);
        claim = copy.claim(frozen ? 500 : 10'000);
        problem = copy.problem();
    }));
    start->start();
    if (!frozen)
        QTRY_VERIFY_WITH_TIMEOUT(start->isFinished(), 15'000);
    start->wait();
    player.kill();
    player.waitForFinished();

    QCOMPARE(claim, expected);
    QCOMPARE(shown, expected == Claim::OtherShown ? 1 : 0);
    if (expected == Claim::Unguarded)
        QVERIFY2(problem.path.contains(u"/file/") && !problem.reason.isEmpty(), qPrintable(problem.path));
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_SingleInstance.moc"
