// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the settings files' encoding: old code-page files, UTF-8 from editors, and what is written.
// Latin-1 stands for a Western ANSI code page, so every row means the same on every system.
#include "FileText.h"

#include <QTest>

using Encoding = QStringConverter::Encoding;

class TestFileText : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
};

void TestFileText::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Encoding>("ansi");
    QTest::addColumn<QString>("text");

    const Encoding western = QStringConverter::Latin1;
    QTest::newRow("ASCII") << QByteArray("C:\\music\\song.mp3") << western << "C:\\music\\song.mp3";
    QTest::newRow("written by the original program in the code page")
        << QByteArray("C:\\M\xFAsica\\canci\xF3n.mp3") << western << QStringLiteral("C:\\M\u00FAsica\\canci\u00F3n.mp3");
    QTest::newRow("UTF-8 without a mark, as Notepad saves it")
        << QByteArray("C:\\M\xC3\xBAsica\\\xCE\xA9.mp3") << western << QStringLiteral("C:\\M\u00FAsica\\\u03A9.mp3");
    QTest::newRow("UTF-8 after a mark") << QByteArray("\xEF\xBB\xBF" "C:\\\xF0\x9F\x8E\xB5.mp3") << western
                                        << QStringLiteral("C:\\\U0001F3B5.mp3");
    QTest::newRow("a mark alone") << QByteArray("\xEF\xBB\xBF") << western << "";
    QTest::newRow("UTF-8 cut short is the code page's") << QByteArray("caf\xC3") << western << QStringLiteral("caf\u00C3");
    QTest::newRow("empty") << QByteArray() << western << "";
}

void TestFileText::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Encoding, ansi);
    QFETCH(QString, text);
    QCOMPARE(FileText::decode(bytes, ansi), text);
}

void TestFileText::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Encoding>("ansi");
    QTest::addColumn<QByteArray>("bytes");

    const Encoding western = QStringConverter::Latin1;
    QTest::newRow("ASCII, no mark") << "C:\\music\\song.mp3" << western << QByteArray("C:\\music\\song.mp3");
    QTest::newRow("the code page holds it: no mark")
        << QStringLiteral("C:\\M\u00FAsica\\\u00E9t\u00E9.mp3") << western << QByteArray("C:\\M\xFAsica\\\xE9t\xE9.mp3");
    QTest::newRow("beyond the code page: UTF-8 with a mark")
        << QStringLiteral("C:\\\u03A9\\\u015D.mp3") << western << QByteArray("\xEF\xBB\xBF" "C:\\\xCE\xA9\\\xC5\x9D.mp3");
    QTest::newRow("outside the basic plane") << QStringLiteral("C:\\\U0001F3B5.mp3") << western
                                             << QByteArray("\xEF\xBB\xBF" "C:\\\xF0\x9F\x8E\xB5.mp3");
    // In the code page these two letters are the bytes of "é" in UTF-8.
    QTest::newRow("code page bytes that would read as UTF-8: marked")
        << QStringLiteral("C:\\\u00C3\u00A9.mp3") << western << QByteArray("\xEF\xBB\xBF" "C:\\\xC3\x83\xC2\xA9.mp3");
    QTest::newRow("a system whose encoding is UTF-8 needs no mark")
        << QStringLiteral("/\u03A9/\U0001F3B5.mp3") << QStringConverter::Utf8 << QByteArray("/\xCE\xA9/\xF0\x9F\x8E\xB5.mp3");
}

void TestFileText::encode()
{
    QFETCH(QString, text);
    QFETCH(Encoding, ansi);
    QFETCH(QByteArray, bytes);
    QCOMPARE(FileText::encode(text, ansi), bytes);
    QCOMPARE(FileText::decode(bytes, ansi), text);
}

QTEST_GUILESS_MAIN(TestFileText)
#include "tst_FileText.moc"
