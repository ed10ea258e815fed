// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the one running copy: only its answer counts, a lock that cannot be made or is another's is no
// running copy, and a settings folder made anew still leads to the copy that runs for it.
#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

using Claim = SingleInstance::Claim;

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void claim_data();
    void claim();
#ifdef Q_OS_UNIX
    void runningCopyFollowsItsFolder();
#endif

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
    // A backup restored over it, or a sync tool's copy: a new folder by the same name.
    QTest::newRow("a copy runs, its folder made anew") << "made anew" << "cfg/dorvane" << Claim::OtherShown;
    QTest::newRow("another program of this user's locks the folder") << "locked" << "cfg/dorvane" << Claim::Unguarded;
    QTest::newRow("the folder belongs to another account") << "another's" << "cfg/dorvane" << Claim::Unguarded;
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
    const QString cfg = m_dir->filePath(QStringLiteral("cfg/dorvane"));
    if (state == u"answers" || state == u"ended" || state == u"frozen" || state == u"made anew") {
        first.emplace(cfg);
        QCOMPARE(first->claim(), Claim::Running);
        connect(&*first, &SingleInstance::showRequested, this, [&shown] { ++shown; });
    }
    if (state == u"ended") {
        player.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        if (!player.waitForStarted())
            QSKIP("No program here to stand for a song player");
        first.reset();
    }
    if (state == u"made anew") {
        QVERIFY(QDir(cfg).removeRecursively());
        QVERIFY(QDir().mkpath(cfg));
    }
    QString folder = m_dir->filePath(later);
#ifdef Q_OS_UNIX
    const int lock = state == u"locked" && QDir().mkpath(cfg) ? ::open(QFile::encodeName(cfg).constData(), O_RDONLY) : -1;
    const auto unlock = qScopeGuard([lock] { ::close(lock); });
    QVERIFY(state != u"locked" || ::flock(lock, LOCK_EX | LOCK_NB) == 0);
    // Root gives the folder away; anyone else finds one that is root's.
    if (state == u"another's" && (::geteuid() != 0 || !QDir().mkpath(cfg)
                                  || ::chown(QFile::encodeName(cfg).constData(), 65534, 65534) != 0))
        folder = QDir::rootPath();
#endif
    const auto restoreTmp = qScopeGuard([tmp = qgetenv("TMP")] { qputenv("TMP", tmp); });
    if (expected == Claim::Unguarded)
        qputenv("TMP", m_dir->filePath(QStringLiteral("file/tmp")).toUtf8());

    // The later start rings from a thread of its own, as another process would,
    // while this one answers for the running copy or, frozen, only waits.
    const bool waitsOut = state == u"frozen" || state == u"locked";
    Claim claim{};
    SingleInstance::Problem problem;
    const std::unique_ptr<QThread> start(QThread::create([&] {
        SingleInstance copy(folder);
        claim = copy.claim(waitsOut ? 500 : 10'000);
        problem = copy.problem();
    }));
    start->start();
    if (state != u"frozen")
        QTRY_VERIFY_WITH_TIMEOUT(start->isFinished(), 15'000);
    start->wait();
    player.kill();
    player.waitForFinished();

    QCOMPARE(claim, expected);
    QCOMPARE(shown, expected == Claim::OtherShown ? 1 : 0);
    if (expected == Claim::Unguarded)
        QVERIFY2((problem.path.contains(u"/file/") || problem.path == QDir::cleanPath(folder)) && !problem.reason.isEmpty(),
                 qPrintable(problem.path));
#ifdef Q_OS_UNIX
    // Made by the claim: other accounts have no business in it.
    if (state.isEmpty() && expected == Claim::Running)
        QCOMPARE(QFile::permissions(folder) & (QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther),
                 QFile::Permissions());
#endif
}

#ifdef Q_OS_UNIX
void TestSingleInstance::runningCopyFollowsItsFolder()
{
    // Once the folder is made anew, the running copy holds the new one's lock:
    // a start that reaches it by another name finds it held.
    const QString cfg = m_dir->filePath(QStringLiteral("cfg/dorvane"));
    SingleInstance first(cfg);
    QCOMPARE(first.claim(), Claim::Running);
    QVERIFY(QDir(cfg).removeRecursively());
    QVERIFY(QDir().mkpath(cfg));
    const int folder = ::open(QFile::encodeName(cfg).constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(folder != -1);
    const auto close = qScopeGuard([folder] { ::close(folder); });
    const auto heldByFirst = [folder] {
        if (::flock(folder, LOCK_EX | LOCK_NB) == 0)
            return ::flock(folder, LOCK_UN) != 0; // not yet: let go at once, or it never can be
        return errno == EWOULDBLOCK;
    };
    QTRY_VERIFY_WITH_TIMEOUT(heldByFirst(), 10'000);
}
#endif

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_SingleInstance.moc"
