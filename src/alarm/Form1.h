// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the main window, with the running clock and the alarm time.
#pragma once

#include "AlarmWatch.h"
#include "Module1.h"
#include "NoticeBoard.h"
#include "Opener.h"
#include "Places.h"
#include "WebPages.h"

#include <QTime>
#include <QWidget>

#include <variant>

class Clock;
class QLineEdit;
class QPushButton;
class QTimeEdit;
class QTimer;
class SequentialFiles;
class WakeUp;
class WebPane;

/**
 * The program's one window: a clock field, the alarm-time picker, the Help,
 * Contact and Set File buttons and a web pane. At the alarm second of every
 * day it hands the chosen file to the desktop to open.
 */
class Form1 : public QWidget
{
    Q_OBJECT

public:
    /// What the window needs of the world outside it.
    struct Services {
        const Clock &clock;
        Opener &opener;
        WakeUp &wakeUp;
        SequentialFiles &files;
        WebPane *webPane; ///< taken over by the window
        WebPages::Addresses pages;
        Places::Browsing browsing = {}; ///< where Set File's chooser looks
    };

    /// The file that keeps the alarm time.
    static inline const QString alarmTimeFile = QStringLiteral("C:\\9836v3.txt");

    explicit Form1(const Services &services, QWidget *parent = nullptr);
    ~Form1() override;

    /// Opens @p xPath for input when it exists; its file number, or -1.
    qint16 OpenFile(const QString &xPath);

private slots:
    void Form_Load();
    void Timer2_Timer();
    void dtAlarmTime_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    void CheckAlarm();
    void SaveAlarmTime(QTime value);
    void RestoreAlarmTime();
    void OpenWebPage(const QUrl &address);

    /// The window's own kinds of trouble, beside those the record and the desktop tell of.
    enum class Notice {
        AlarmTimeUnreadable,
        AlarmTimeNotSaved,
        AlarmMissed,
    };
    /// A kind of trouble: each kind has at most one notice open.
    using Trouble = std::variant<Module1::Target::Status, Opener::Failure, Notice>;

    void writeAlarmTimeFile(int fileNumber, const QString &line);
    void armTimer();
    void alertNothingOpened(const QDateTime &alarm, Trouble kind, const QString &why);
    void alertMissed(const QDateTime &missed, AlarmWatch::Gap gap);
    QString whyNotWoken(const QDateTime &missed) const;
    void updateWakeUp(bool recheckRecord);
    static QString whyNotOpened(Opener::Failure failure, const QString &path);
    static Trouble troubleOf(Opener::Failure failure);
    void tellNotice(Trouble kind, const QDateTime &when, const QString &text);

    QLineEdit *mskTime;
    WebPane *WebBrowser1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command1;
    QTimeEdit *dtAlarmTime;
    QTimer *Timer2;

    const Clock &m_clock;
    Opener &m_opener;
    WakeUp &m_wakeUp;
    SequentialFiles &m_files;
    const WebPages::Addresses m_pages;
    const Places::Browsing m_browsing;
    AlarmWatch m_watch;
    ClockReading m_previousReading;
    QDateTime m_wakeFor;   ///< the occurrence the wake-up request was last made for
    QDateTime m_wakeAsked; ///< when the computer was last asked to wake; invalid: not asked
    int m_wakeOffset = 0;  ///< the wall clock's offset from UTC when m_wakeFor was worked out
    bool m_fileChosen = false;
    NoticeBoard<Trouble> m_notices{this};
    bool m_saveFailureShown = false;
};
