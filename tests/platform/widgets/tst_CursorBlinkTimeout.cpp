// SPDX-License-Identifier: GPL-3.0-or-later
// Widget tests of the cursor blink timeout: a focused text field stops waking the program.
#include "CursorBlinkTimeout.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>
#include <QVBoxLayout>

namespace {

/// Counts the timer events that reach one window and the objects in it.
class TimerEventCounter final : public QObject
{
public:
    explicit TimerEventCounter(QWidget *window)
    {
        // Timer events bypass the application's event filters; each object's own see them.
        window->installEventFilter(this);
        for (QObject *inside : window->findChildren<QObject *>())
            inside->installEventFilter(this);
    }

    int countOver(int msecs)
    {
        m_count = 0;
        QTest::qWait(msecs);
        return m_count;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            ++m_count;
        return false;
    }

private:
    int m_count = 0;
};

} // namespace

class TestCursorBlinkTimeout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void blinkStopsAndResumes_data();
    void blinkStopsAndResumes();
    void flashTimeRestoredAtTheEnd();

private:
    std::unique_ptr<QWidget> m_window;
    QLineEdit *m_field = nullptr;
    const int m_flashTime = 200;
};

void TestCursorBlinkTimeout::initTestCase()
{
    // A quick blink (every 100 ms) keeps the test short.
    QGuiApplication::styleHints()->setCursorFlashTime(m_flashTime);
}

void TestCursorBlinkTimeout::init()
{
    m_window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(m_window.get());
    m_field = new QLineEdit(m_window.get());
    layout->addWidget(m_field);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_field->setFocus();
    QVERIFY(m_field->hasFocus());
}

void TestCursorBlinkTimeout::blinkStopsAndResumes_data()
{
    QTest::addColumn<QString>("input"); // what the user does once the cursor stopped
    QTest::newRow("key press") << "key";
    QTest::newRow("click") << "click";
    QTest::newRow("nothing") << "";
}

void TestCursorBlinkTimeout::blinkStopsAndResumes()
{
    QFETCH(QString, input);
    TimerEventCounter timers(m_window.get());
    // Blinks at first, as without a timeout.
    const CursorBlinkTimeout timeout(m_flashTime * 2);
    QVERIFY(timers.countOver(m_flashTime) >= 1);

    QTest::qWait(m_flashTime * 2);
    QCOMPARE(timers.countOver(m_flashTime * 2), 0);

    if (input == u"key")
        QTest::keyClick(m_field, Qt::Key_A);
    else if (input == u"click")
        QTest::mouseClick(m_field, Qt::LeftButton);
    if (input.isEmpty())
        QCOMPARE(timers.countOver(m_flashTime), 0);
    else
        QVERIFY(timers.countOver(m_flashTime) >= 1);
}

void TestCursorBlinkTimeout::flashTimeRestoredAtTheEnd()
{
    {
        const CursorBlinkTimeout timeout(10);
        QTRY_COMPARE(QGuiApplication::styleHints()->cursorFlashTime(), 0);
    }
    // Other parts of the program, and its tests, see the desktop's setting again.
    QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), m_flashTime);
}

QTEST_MAIN(TestCursorBlinkTimeout)
#include "tst_CursorBlinkTimeout.moc"
