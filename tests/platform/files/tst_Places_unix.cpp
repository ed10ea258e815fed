// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the places a Unix user starts browsing from: the root, the home folder, the user's disks.
#include "Places.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestPlaces : public QObject
{
    Q_OBJECT

private slots:
    void places();
};

void TestPlaces::places()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString home = dir.filePath(QStringLiteral("home"));
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    const QList<Places::Place> places = Places::forThisSystem();
    QVERIFY(places.size() >= 2);
    QCOMPARE(places.at(0).root, QDir::rootPath());
    QCOMPARE(places.at(1).root, home);
    // Whatever else is mounted here (/proc, /sys, bind mounts) is no place for music.
    static const QRegularExpression userMount(QStringLiteral("^(/media|/mnt|/run/media)/"));
    for (qsizetype i = 2; i < places.size(); ++i)
        QVERIFY2(userMount.match(places.at(i).root).hasMatch(), qPrintable(places.at(i).root));
    QCOMPARE(Places::indexHolding(places, home + QStringLiteral("2")), 0);

    QVERIFY(QDir().mkpath(home));
    QCOMPARE(Places::startFolder(), home);
    QVERIFY(QDir(home).mkdir(QStringLiteral("Music")));
    QCOMPARE(Places::startFolder(), home + QStringLiteral("/Music"));
    QCOMPARE(Places::indexHolding(places, Places::startFolder()), 1);
}

QTEST_GUILESS_MAIN(TestPlaces)
#include "tst_Places_unix.moc"
