// SPDX-License-Identifier: GPL-3.0-or-later
// Widget tests of the notice box: what it holds up, and when it shows.
#include "NoticeBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

class TestNoticeBox : public QObject
{
    Q_OBJECT

private slots:
    void holdsOnlyWhatItShould_data();
    void holdsOnlyWhatItShould();
};

void TestNoticeBox::holdsOnlyWhatItShould_data()
{
    QTest::addColumn<NoticeBox::Holds>("holds");
    QTest::addColumn<bool>("windowShown");
    QTest::newRow("over the main window") << NoticeBox::Holds::Nothing << true;
    QTest::newRow("over a dialog") << NoticeBox::Holds::Window << true;
    QTest::newRow("while the window is being built") << NoticeBox::Holds::Nothing << false;
}

void TestNoticeBox::holdsOnlyWhatItShould()
{
    QFETCH(NoticeBox::Holds, holds);
    QFETCH(bool, windowShown);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Select Files"));
    if (windowShown) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    const QPointer<QMessageBox> notice = NoticeBox::show(new QWidget(&window), QStringLiteral("<b>x</b>"), holds);
    // A window still being built comes first; its notice follows from the event loop.
    QCOMPARE(notice->isVisible(), windowShown);
    QTRY_VERIFY(notice->isVisible());
    QCOMPARE(notice->windowTitle(), window.windowTitle());
    QCOMPARE(notice->textFormat(), Qt::PlainText);
    // Over the main window nothing waits for the notice: the clock and the buttons go on.
    QCOMPARE(QApplication::activeModalWidget() == notice, holds == NoticeBox::Holds::Window);
    notice->accept();
    QTRY_VERIFY(notice.isNull());
}

QTEST_MAIN(TestNoticeBox)
#include "tst_NoticeBox.moc"
