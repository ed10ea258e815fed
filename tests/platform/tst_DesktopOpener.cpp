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
    QTest::newRow("spaces") << "/home/user/My Music/wake up.mp3" << "/home/user/My Music/wake up.mp3";
    QTest::newRow("quotes") << "/tmp/it's \"loud\".mp3" << "/tmp/it's \"loud\".mp3";
    QTest::newRow("command substitution") << "/tmp/$(touch pwned).mp3" << "/tmp/$(touch pwned).mp3";
    QTest::newRow("semicolon") << "/tmp/a;rm -rf ~.mp3" << "/tmp/a;rm -rf ~.mp3";
    QTest::newRow("leading dash") << "/tmp/-v.mp3" << "/tmp/-v.mp3";
    QTest::newRow("hash and percent") << "/tmp/#1 100%.mp3" << "/tmp/#1 100%.mp3";
    QTest::newRow("non-ASCII") << QStringLiteral("/tmp/\u00E9t\u00E9 \u97F3\u697D.mp3")
                               << QStringLiteral("/tmp/\u00E9t\u00E9 \u97F3\u697D.mp3");
}

void TestDesktopOpener::documentUrl()
{
    QFETCH(QString, path);
    QFETCH(QString, localFile);
    const QUrl url = DesktopOpener::documentUrl(path);
    QCOMPARE(url.scheme(), QStringLiteral("file"));
    QCOMPARE(url.host(), QString());
    QCOMPARE(url.toLocalFile(), localFile);
    // What travels to the desktop is one token that starts with the scheme:
    // nothing a command line could split or an option parser read as a switch.
    const QByteArray encoded = url.toEncoded();
    QVERIFY2(encoded.startsWith("file:///"), encoded.constData());
    QVERIFY2(!encoded.contains(' ') && !encoded.contains('"'), encoded.constData());
}

QTEST_GUILESS_MAIN(TestDesktopOpener)
#include "tst_DesktopOpener.moc"
