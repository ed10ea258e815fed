// SPDX-License-Identifier: GPL-3.0-or-later
// Tests that a path reaches the desktop as exactly the local file it names.
#include "DesktopOpener.h"

#include <QTest>

class TestDesktopOpener : public QObject
{
    Q_OBJECT

private slots:
    void documentUrl_data();
    void documentUrl();
};

void TestDesktopOpener::documentUrl_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("localFile");

    QTest::newRow("plain") << "/home/user/Music/song.mp3" << "/home/user/Music/song.mp3";
    QTest::newRow("root folder, doubled separator") << "//song.mp3" << "/song.mp3";
    QTest::newRow("doubled separator inside") << "/media/usb//song.mp3" << "/media/usb/song.mp3";
}

void TestDesktopOpener::documentUrl()
{
    QFETCH(QString, path);
    QFETCH(QString, localFile);
    const QUrl url = DesktopOpener::documentUrl(path);
    QCOMPARE(url.scheme(), QStringLiteral("file"));
    QCOMPARE(url.host(), QString());
    QCOMPARE(url.toLocalFile(), localFile);
}

QTEST_GUILESS_MAIN(TestDesktopOpener)
#include "tst_DesktopOpener.moc"
