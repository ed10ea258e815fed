// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the one running copy: a later claim rings the running one, however long it has run.
#include "SingleInstance.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void laterCopyRingsRunningOne();
    void otherSettingsFolderRunsToo();

private:
    QTemporaryDir m_runtime;
};

void TestSingleInstance::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
}

void TestSingleInstance::laterCopyRingsRunningOne()
{
    SingleInstance running(QStringLiteral("/home/someone/.config/dorvane"));
    QCOMPARE(running.claim(), SingleInstance::Claim::Running);
    QSignalSpy shown(&running, &SingleInstance::showRequested);

    // The same folder, however it is written.
    SingleInstance later(QStringLiteral("/home/someone/.config/dorvane/"));
    QCOMPARE(later.claim(2000), SingleInstance::Claim::OtherShown);
    QTRY_COMPARE(shown.size(), 1);
}

void TestSingleInstance::otherSettingsFolderRunsToo()
{
    SingleInstance first(QStringLiteral("/home/someone/.config/dorvane"));
    QCOMPARE(first.claim(), SingleInstance::Claim::Running);
    SingleInstance second(QStringLiteral("/home/someone-else/.config/dorvane"));
    QCOMPARE(second.claim(), SingleInstance::Claim::Running);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_SingleInstance.moc"
