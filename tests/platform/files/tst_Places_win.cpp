// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the places a Windows user starts browsing from: the drives.
#include "Places.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestPlaces : public QObject
{
    Q_OBJECT

private slots:
    void drives();
    void startFolder();
};

void TestPlaces::drives()
{
    const QList<Places::Place> places = Places::forThisSystem();
    static const QRegularExpression driveRoot(QStringLiteral("^[A-Z]:/$"));
    for (const Places::Place &place : places)
        QVERIFY2(driveRoot.match(place.root).hasMatch(), qPrintable(place.root));

    // The drive Windows runs from is offered, and so is the one that holds
    // the user's temporary folder, found whatever the case of the path.
    const QString systemDrive = qEnvironmentVariable("SystemDrive").toUpper() + u'/';
    QVERIFY2(Places::indexHolding(places, systemDrive) >= 0, qPrintable(systemDrive));
    QCOMPARE(places.at(Places::indexHolding(places, systemDrive)).root, systemDrive);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const qsizetype holding = Places::indexHolding(places, dir.path());
    QVERIFY2(holding >= 0, qPrintable(dir.path()));
    QVERIFY(dir.path().startsWith(places.at(holding).root, Qt::CaseInsensitive));
    QCOMPARE(Places::indexHolding(places, dir.path().toLower()), holding);
    QCOMPARE(Places::indexHolding(places, QDir::toNativeSeparators(dir.path())), holding);
}

void TestPlaces::startFolder()
{
    // Windows keeps the user's Music folder where no test can move it: it must at least be a folder.
    QVERIFY2(QFileInfo(Places::startFolder()).isDir(), qPrintable(Places::startFolder()));
}

QTEST_GUILESS_MAIN(TestPlaces)
#include "tst_Places_win.moc"
