// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the time-of-day text: formatting, reading and trimming.
#include "Text.h"
#include "TimeText.h"

#include <QLocale>
#include <QTest>

class TestTimeText : public QObject
{
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void formatIgnoresLocale();
    void parse_data();
    void parse();
    void trim_data();
    void trim();
};

void TestTimeText::format_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("midnight") << QTime(0, 0, 0) << "12:00:00 AM";
    QTest::newRow("just after midnight") << QTime(0, 0, 1) << "12:00:01 AM";
    QTest::newRow("morning") << QTime(7, 30, 0) << "07:30:00 AM";
    QTest::newRow("last second before noon") << QTime(11, 59, 59) << "11:59:59 AM";
    QTest::newRow("noon") << QTime(12, 0, 0) << "12:00:00 PM";
    QTest::newRow("afternoon") << QTime(13, 5, 9) << "01:05:09 PM";
    QTest::newRow("evening") << QTime(19, 5, 9) << "07:05:09 PM";
    QTest::newRow("last second of the day") << QTime(23, 59, 59) << "11:59:59 PM";
    QTest::newRow("milliseconds dropped") << QTime(6, 45, 0, 999) << "06:45:00 AM";
}

void TestTimeText::format()
{
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(TimeText::Format(time), text);
}

void TestTimeText::formatIgnoresLocale()
{
    const QLocale saved;
    for (const auto language : {QLocale::German, QLocale::Japanese, QLocale::Arabic}) {
        QLocale::setDefault(QLocale(language));
        QCOMPARE(TimeText::Format(QTime(19, 5, 9)), QStringLiteral("07:05:09 PM"));
        QCOMPARE(TimeText::FormatDay(QDate(2026, 6, 19)), QStringLiteral("Friday, 19 June"));
    }
    QLocale::setDefault(saved);
}

void TestTimeText::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QTime>("time"); // invalid: not a time of day

    QTest::newRow("the form written") << "07:30:00 AM" << QTime(7, 30, 0);
    QTest::newRow("noon") << "12:00:00 PM" << QTime(12, 0, 0);
    QTest::newRow("midnight") << "12:00:00 AM" << QTime(0, 0, 0);
    QTest::newRow("first-start default: hour 0 with pm is noon") << "00:00:00 pm" << QTime(12, 0, 0);
    QTest::newRow("hour 0 with am is midnight") << "00:00:00 am" << QTime(0, 0, 0);
    QTest::newRow("hour 0 with pm, later minute") << "00:30:15 PM" << QTime(12, 30, 15);
    QTest::newRow("lower-case marker") << "07:30:00 am" << QTime(7, 30, 0);
    QTest::newRow("mixed-case marker") << "06:45:00 pM" << QTime(18, 45, 0);
    QTest::newRow("one-letter marker") << "6:45 p" << QTime(18, 45, 0);
    QTest::newRow("no space before the marker") << "6:45:10PM" << QTime(18, 45, 10);
    QTest::newRow("spaces around") << "  07:30:00 am  " << QTime(7, 30, 0);
    QTest::newRow("seconds left out") << "7:30 PM" << QTime(19, 30, 0);
    QTest::newRow("one-digit hour") << "7:05:09 AM" << QTime(7, 5, 9);
    QTest::newRow("24-hour evening") << "19:05:09" << QTime(19, 5, 9);
    QTest::newRow("24-hour without seconds") << "23:59" << QTime(23, 59, 0);
    QTest::newRow("24-hour midnight") << "00:00:00" << QTime(0, 0, 0);

    QTest::newRow("empty") << "" << QTime();
    QTest::newRow("only spaces") << "   " << QTime();
    QTest::newRow("words") << "seven thirty" << QTime();
    QTest::newRow("hour only") << "7" << QTime();
    QTest::newRow("hour 24") << "24:00:00" << QTime();
    QTest::newRow("hour 13 with a marker") << "13:00:00 PM" << QTime();
    QTest::newRow("minute 60") << "07:60:00 AM" << QTime();
    QTest::newRow("second 60") << "07:30:60 AM" << QTime();
    QTest::newRow("unknown marker") << "07:30:00 XM" << QTime();
    QTest::newRow("trailing garbage") << "07:30:00 AM tomorrow" << QTime();
    QTest::newRow("three-digit minute") << "07:300:00" << QTime();
    QTest::newRow("negative hour") << "-1:30:00" << QTime();
    QTest::newRow("non-ASCII digits") << QStringLiteral("\u0667:30:00 AM") << QTime();
    QTest::newRow("a date") << "2026-12-07" << QTime();
}

void TestTimeText::parse()
{
    QFETCH(QString, text);
    QFETCH(QTime, time);
    const std::optional<QTime> parsed = TimeText::Parse(text);
    QCOMPARE(parsed.has_value(), time.isValid());
    if (parsed)
        QCOMPARE(*parsed, time);
}

void TestTimeText::trim_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("spaces both sides") << "  /music/song.mp3  " << "/music/song.mp3";
    QTest::newRow("inner spaces stay") << " /my music/a b.mp3 " << "/my music/a b.mp3";
    QTest::newRow("tabs stay") << "\t/a\t" << "\t/a\t";
    QTest::newRow("only spaces") << "    " << "";
    QTest::newRow("empty") << "" << "";
}

void TestTimeText::trim()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(Trim(text), trimmed);
}

QTEST_GUILESS_MAIN(TestTimeText)
#include "tst_TimeText.moc"
