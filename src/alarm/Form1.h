// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the main window, with the running clock and the alarm time.
#pragma once

#include "AlarmClock.h"
#include "AlarmReport.h"
#include "NoticeBoard.h"
#include "Places.h"
#include "WebPages.h"

#include <QTime>
#include <QWidget>

class QLineEdit;
class QPushButton;
class QTimeEdit;
class WebPane;

/**
 * The program's one window: a clock field, the alarm-time picker, the Help,
 * Contact and Set File buttons and a web pane. It shows what its AlarmClock
 * tells (the time, and at the alarm second of every day the file handed to
 * the desktop) and words its troubles with AlarmTexts.
 */
class Form1 : public QWidget
{
    Q_OBJECT

public:
    /// What the window needs of the world outside it.
    struct Services {
        AlarmClock::Services alarm; ///< the clock, the opener and the settings files are the window's too
        WebPane *webPane;           ///< taken over by the window
        WebPages::Addresses pages;
        Places::Browsing browsing = {}; ///< where Set File's chooser looks
    };

    explicit Form1(const Services &services, QWidget *parent = nullptr);
    ~Form1() override;

    /// Opens @p xPath for input when it exists; its file number, or -1.
    qint16 OpenFile(const QString &xPath);

private slots:
    void Form_Load();
    void dtAlarmTime_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    void SaveAlarmTime(QTime value);
    void RestoreAlarmTime();
    void OpenWebPage(const QUrl &address);

    void showWakePlan(const WakePlan &plan);
    void tell(Trouble kind, const QDateTime &when, const QString &text, int count = 1);

    QLineEdit *mskTime;
    WebPane *WebBrowser1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command1;
    QTimeEdit *dtAlarmTime;

    const Clock &m_clock;
    Opener &m_opener;
    SequentialFiles &m_files;
    const WebPages::Addresses m_pages;
    const Places::Browsing m_browsing;
    AlarmClock *m_alarmClock;
    NoticeBoard<Trouble> m_notices{this};
    bool m_saveFailureShown = false;
};
