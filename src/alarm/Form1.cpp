// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the main window, with the running clock and the alarm time.
#include "Form1.h"

#include "Clock.h"
#include "FileSystemObject.h"
#include "Fonts.h"
#include "frmSelectOneFile.h"
#include "Module1.h"
#include "Opener.h"
#include "SequentialFiles.h"
#include "Text.h"
#include "TickSchedule.h"
#include "TimeText.h"
#include "Twips.h"
#include "WakeUp.h"
#include "WebPane.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QTimer>

#include <utility>

namespace {

Q_LOGGING_CATEGORY(lcAlarm, "dorvane.alarm")

// The client area and each control's left, top, width and height within it,
// in twips; the buttons overlap the clock field's lower edge on purpose.
namespace Layout {
constexpr QSize client = Twips::size(5175, 2040);
constexpr QRect dtAlarmTime = Twips::rect(3000, 840, 2205, 360);
constexpr QRect mskTime = Twips::rect(420, 45, 4140, 960);
constexpr QRect Command1 = Twips::rect(2400, 840, 615, 375);
constexpr QRect Command2 = Twips::rect(0, 840, 1335, 375);
constexpr QRect WebBrowser1 = Twips::rect(0, 1200, 5175, 855);
constexpr QRect Command3 = Twips::rect(1330, 840, 1080, 375);
} // namespace Layout

const QColor orange(255, 128, 0);

/// A moment as notices name it: "07:30:00 AM on Monday, 15 June".
QString momentText(const QDateTime &moment)
{
    return Form1::tr("%1 on %2").arg(TimeText::Format(moment.time()), TimeText::FormatDay(moment.date()));
}

QPushButton *makeButton(const QString &caption, const QString &name, const QRect &geometry, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(Fonts::verdana(8.25));
    return button;
}

} // namespace

Form1::Form1(const Services &services, QWidget *parent)
    : QWidget(parent)
    , m_clock(services.clock)
    , m_opener(services.opener)
    , m_wakeUp(services.wakeUp)
    , m_files(services.files)
    , m_pages(services.pages)
    , m_browsing(services.browsing)
{
    setWindowTitle(QStringLiteral("Dorvane"));
    setFixedSize(Layout::client);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, Qt::black);
    setPalette(windowPalette);
    setAutoFillBackground(true);
    setFont(Fonts::verdana(27.75, true));

    // Created bottom to top: the row of buttons overlaps the clock field's
    // lower edge and must stay in front of it.
    mskTime = new QLineEdit(this);
    mskTime->setObjectName(QStringLiteral("mskTime"));
    mskTime->setGeometry(Layout::mskTime);
    mskTime->setFont(Fonts::verdana(27.75, true));
    mskTime->setFrame(false);
    mskTime->setReadOnly(true);
    QPalette clockPalette = mskTime->palette();
    clockPalette.setColor(QPalette::Base, Qt::black);
    clockPalette.setColor(QPalette::Text, orange);
    mskTime->setPalette(clockPalette);

    WebBrowser1 = services.webPane;
    WebBrowser1->setParent(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setGeometry(Layout::WebBrowser1);

    Command2 = makeButton(tr("Contact"), QStringLiteral("Command2"), Layout::Command2, this);
    Command3 = makeButton(tr("Set File"), QStringLiteral("Command3"), Layout::Command3, this);
    Command1 = makeButton(tr("Help"), QStringLiteral("Command1"), Layout::Command1, this);

    dtAlarmTime = new QTimeEdit(this);
    dtAlarmTime->setObjectName(QStringLiteral("dtAlarmTime"));
    dtAlarmTime->setGeometry(Layout::dtAlarmTime);
    dtAlarmTime->setFont(Fonts::verdana(12, true));
    // AM and PM in English whatever the user's language, like the clock field.
    dtAlarmTime->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    dtAlarmTime->setDisplayFormat(QStringLiteral("hh:mm AP"));
    dtAlarmTime->setWrapping(true);

    setTabOrder(dtAlarmTime, mskTime);
    setTabOrder(mskTime, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, WebBrowser1);
    setTabOrder(WebBrowser1, Command3);
    // The window opens with the keyboard on its first stop, the alarm time.
    dtAlarmTime->setFocus();

    // What a screen reader says of each control; the clock field's value is the time itself.
    setAccessibleDescription(tr("Opens one chosen file at one set time of day, every day."));
    mskTime->setAccessibleName(tr("Time now"));
    mskTime->setAccessibleDescription(tr("The current time, updated every second."));
    dtAlarmTime->setAccessibleName(tr("Alarm time"));
    dtAlarmTime->setAccessibleDescription(
        tr("At this time every day Dorvane opens the chosen file. Left and Right move between hours, "
           "minutes and AM/PM; Up and Down or typing change them. Each change is saved at once."));
    Command1->setAccessibleName(tr("Help"));
    Command1->setAccessibleDescription(tr("Opens Dorvane's help in your web browser."));
    Command2->setAccessibleName(tr("Contact"));
    Command2->setAccessibleDescription(tr("Opens the page for contacting Dorvane's makers in your web browser."));
    Command3->setAccessibleName(tr("Set File"));
    Command3->setAccessibleDescription(tr("Chooses the file that Dorvane opens at the alarm time."));
    WebBrowser1->setAccessibleName(tr("News from Dorvane's makers"));
    WebBrowser1->setAccessibleDescription(tr("A page from Dorvane's makers; its links open in your web browser."));

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setSingleShot(true);
    Timer2->setTimerType(Qt::PreciseTimer);

    connect(Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    connect(dtAlarmTime, &QTimeEdit::timeChanged, this, &Form1::dtAlarmTime_Change);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);

    Form_Load();
    m_previousReading = m_clock.read();
    m_watch.start(m_previousReading.wall);
    updateWakeUp(true);
    armTimer();
}

Form1::~Form1()
{
    // Nobody is left to ring the alarm the computer would wake for.
    if (m_wakeAsked.isValid())
        m_wakeUp.wakeAt(QDateTime());
}

void Form1::Form_Load()
{
    WebBrowser1->navigate(m_pages.pane);
    mskTime->setInputMask(QString());
    mskTime->setText(TimeText::Format(m_clock.now().time()));
    RestoreAlarmTime();
}

void Form1::Timer2_Timer()
{
    CheckAlarm();
    // The next occurrence is a fixed moment: it moves only once it has come
    // (fired or missed) or the zone moves the wall clock against it. A clock
    // set by hand leaves it where it is, and the system's timer follows the
    // wall clock. So most ticks need not work it out again.
    const QDateTime now = m_clock.now();
    if (!m_wakeFor.isValid() || m_wakeFor <= now || now.offsetFromUtc() != m_wakeOffset)
        updateWakeUp(false);
    armTimer();
}

void Form1::armTimer()
{
    // Re-armed for just after the next second begins, so the display turns
    // over with the real second and no second goes without a tick.
    Timer2->start(TickSchedule::msecsToNextTick(m_clock.now()));
}

void Form1::CheckAlarm()
{
    const ClockReading reading = m_clock.read();
    const QDateTime now = reading.wall;
    mskTime->setText(TimeText::Format(now.time()));
    const QTime alarm = dtAlarmTime->time();
    const AlarmWatch::Tick tick = m_watch.recordTick(now, alarm);
    const ClockReading previous = std::exchange(m_previousReading, reading);
    if (tick.missed.isValid())
        alertMissed(tick.missed, AlarmWatch::causeOfGap(previous, reading));
    if (!tick.fire)
        return;

    // The alarm of the day it fired for: a late tick past midnight fires the day before's.
    const QDateTime alarmAt(m_watch.lastFired().date(), alarm);
    const Module1::Target target = Module1::lookUpTarget(m_files);
    const QString path = ForNotice(QDir::toNativeSeparators(target.path));
    const QString obstacle = ForNotice(QDir::toNativeSeparators(target.obstacle));
    switch (target.status) {
    case Module1::Target::Status::Found:
        qCInfo(lcAlarm).noquote() << "alarm at" << TimeText::Format(alarm) << "opens" << target.path;
        m_opener.openDocument(target.path, this, [this, alarmAt, path](std::optional<Opener::Failure> failure) {
            if (failure)
                alertNothingOpened(alarmAt, troubleOf(*failure), whyNotOpened(*failure, path));
        });
        return;
    case Module1::Target::Status::NoRecord:
    case Module1::Target::Status::EmptyRecord:
        alertNothingOpened(alarmAt, Module1::Target::Status::NoRecord,
                           tr("no file has been chosen. Choose one with Set File."));
        return;
    case Module1::Target::Status::Unreadable:
        alertNothingOpened(alarmAt, target.status,
                           tr("the record of the chosen file, %1, cannot be read: %2. Choose the file again with Set File.")
                               .arg(path, ForNotice(target.reason)));
        return;
    case Module1::Target::Status::NotFullPath:
        alertNothingOpened(alarmAt, target.status,
                           tr("the chosen file is recorded as %1, which is not a full path, so it could be "
                              "any file of that name. Choose the file again with Set File.")
                               .arg(path));
        return;
    case Module1::Target::Status::Missing:
        alertNothingOpened(alarmAt, target.status, tr("the chosen file %1 cannot be found.").arg(path));
        return;
    case Module1::Target::Status::NotAFile:
        alertNothingOpened(alarmAt, target.status,
                           tr("the chosen %1 is not a file that can be opened, but a folder, a device or a pipe.")
                               .arg(path));
        return;
    case Module1::Target::Status::CannotRead:
        alertNothingOpened(alarmAt, target.status,
                           target.obstacle.isEmpty()
                               ? tr("the chosen file %1 cannot be read: %2.").arg(path, ForNotice(target.reason))
                               : tr("the chosen file %1 cannot be read: you have no permission to open the folder %2 "
                                    "on its path.")
                                     .arg(path, obstacle));
        return;
    case Module1::Target::Status::EndsInSeparator:
        alertNothingOpened(alarmAt, target.status,
                           tr("the chosen file is recorded as %1, which ends in \u201c%2\u201d and so names a folder, "
                              "but %3 is a file. Choose the file again with Set File.")
                               .arg(path, QDir::toNativeSeparators(target.path).back(), obstacle));
        return;
    case Module1::Target::Status::OtherComputer:
        alertNothingOpened(alarmAt, target.status,
                           tr("the chosen file is recorded as %1, the address of a file on another computer, which "
                              "Dorvane cannot open. Choose the file again with Set File.")
                               .arg(path));
        return;
    }
}

Form1::Trouble Form1::troubleOf(Opener::Failure failure)
{
    // The desktop's "not found" and "no permission" say what the record's own kinds say.
    switch (failure) {
    case Opener::Failure::NotFound:
        return Module1::Target::Status::Missing;
    case Opener::Failure::NoPermission:
        return Module1::Target::Status::CannotRead;
    default:
        return failure;
    }
}

QString Form1::whyNotOpened(Opener::Failure failure, const QString &path)
{
    switch (failure) {
    case Opener::Failure::NoApplication:
        return tr("no application is set up to open that kind of file (%1).").arg(path);
    case Opener::Failure::NotFound:
        return tr("the chosen file %1 cannot be found.").arg(path);
    case Opener::Failure::NoPermission:
        return tr("the chosen file %1 cannot be read: you have no permission to read it.").arg(path);
    case Opener::Failure::Failed:
        return tr("the desktop could not open %1.").arg(path);
    case Opener::Failure::NoDesktop:
        return tr("the desktop's opener could not be started to open %1.").arg(path);
    }
    return QString();
}

void Form1::alertNothingOpened(const QDateTime &alarm, Trouble kind, const QString &why)
{
    QApplication::beep();
    const QString text = tr("At %1, the alarm time, Dorvane could not open anything: %2").arg(momentText(alarm), why);
    qCWarning(lcAlarm).noquote() << text;
    tellNotice(kind, alarm, text);
}

void Form1::alertMissed(const QDateTime &missed, AlarmWatch::Gap gap)
{
    QApplication::beep();
    QString why;
    switch (gap) {
    case AlarmWatch::Gap::Asleep:
        why = tr("the computer was asleep.");
        if (const QString woken = whyNotWoken(missed); !woken.isEmpty())
            why += u' ' + woken;
        break;
    case AlarmWatch::Gap::ClockSetForward:
        why = tr("the computer's clock was set forward past it.");
        break;
    case AlarmWatch::Gap::NotRunning:
        why = tr("Dorvane could not run at that time: it was stopped, or the computer was too busy.");
        break;
    }
    const QString text = tr("The alarm of %1 was missed and is not played late: %2").arg(momentText(missed), why);
    qCWarning(lcAlarm).noquote() << text;
    tellNotice(Notice::AlarmMissed, missed, text);
}

QString Form1::whyNotWoken(const QDateTime &missed) const
{
    if (!m_fileChosen)
        return tr("Dorvane does not wake the computer while no file is chosen.");
    if (const QString obstacle = m_wakeUp.obstacle(); !obstacle.isEmpty())
        return tr("Dorvane could not wake it: %1.").arg(obstacle);
    if (m_wakeFor == missed && m_wakeAsked.isValid())
        return tr("Dorvane had asked the system to wake it at %1.").arg(TimeText::Format(m_wakeAsked.time()));
    return QString();
}

void Form1::updateWakeUp(bool recheckRecord)
{
    // The system is asked again only when the next occurrence moves: an
    // edit, a firing, a new zone.
    const QDateTime now = m_clock.now();
    m_wakeOffset = now.offsetFromUtc();
    const QDateTime next = m_watch.nextOccurrence(now, dtAlarmTime->time());
    if (next == m_wakeFor && !recheckRecord)
        return;
    m_wakeFor = next;
    // A fresh install would wake the computer every noon for nothing.
    const Module1::Target::Status status = Module1::lookUpTarget(m_files).status;
    m_fileChosen = status != Module1::Target::Status::NoRecord && status != Module1::Target::Status::EmptyRecord;
    const QDateTime wake = m_fileChosen ? AlarmWatch::wakeTime(next, now) : QDateTime();
    if (wake == m_wakeAsked)
        return;
    m_wakeAsked = wake;
    m_wakeUp.wakeAt(wake);
}

void Form1::dtAlarmTime_Change()
{
    SaveAlarmTime(dtAlarmTime->time());
    updateWakeUp(false);
}

void Form1::SaveAlarmTime(QTime value)
{
    writeAlarmTimeFile(1, TimeText::Format(value));
}

void Form1::RestoreAlarmTime()
{
    const QTime noon(12, 0, 0);
    QTime restored = noon;
    if (FileSystemObject(m_files.drives()).FileExists(alarmTimeFile)) {
        const qint16 fileNumber = OpenFile(alarmTimeFile);
        if (fileNumber == -1) {
            const SequentialFiles::Error error = m_files.lastError();
            tellNotice(Notice::AlarmTimeUnreadable, m_clock.now(),
                       tr("Dorvane could not read the alarm time from %1: %2.\n\n"
                          "The alarm is set to 12:00 PM until you choose another time.")
                           .arg(ForNotice(error.path), error.reason));
        } else {
            const bool empty = m_files.endOfFile(fileNumber);
            const QString line = m_files.lineInput(fileNumber);
            (void)m_files.close(fileNumber);
            // The file stays as it is until the user picks a time: it may
            // be a hand edit gone wrong that the user wants to see again.
            if (const std::optional<QTime> time = TimeText::Parse(Trim(line))) {
                restored = *time;
            } else {
                const QString held = empty ? tr("it is empty") : tr("it holds \u201c%1\u201d").arg(ForNotice(line, 60));
                tellNotice(Notice::AlarmTimeUnreadable, m_clock.now(),
                           tr("Dorvane could not read the alarm time from %1: %2, which is not a time of day.\n\n"
                              "The alarm is set to 12:00 PM until you choose another time.")
                               .arg(ForNotice(QDir::toNativeSeparators(m_files.drives().localPath(alarmTimeFile))), held));
            }
        }
    } else {
        const QString firstStartLine = QStringLiteral("00:00:00 pm");
        writeAlarmTimeFile(2, firstStartLine);
        restored = TimeText::Parse(firstStartLine).value_or(noon);
    }
    // Only the user's edits count as changes: restoring must not save.
    const QSignalBlocker blocker(dtAlarmTime);
    dtAlarmTime->setTime(restored);
}

qint16 Form1::OpenFile(const QString &xPath)
{
    return m_files.openIfExists(xPath);
}

void Form1::writeAlarmTimeFile(int fileNumber, const QString &line)
{
    if (m_files.openForOutput(alarmTimeFile, fileNumber)) {
        m_files.printLine(fileNumber, line);
        if (m_files.close(fileNumber)) {
            m_saveFailureShown = false;
            return;
        }
    }
    // Told once per run of failures: the picker changes with every click of
    // its arrows. A later run brings the notice up to date if it is still open.
    if (!m_saveFailureShown) {
        m_saveFailureShown = true;
        const SequentialFiles::Error error = m_files.lastError();
        tellNotice(Notice::AlarmTimeNotSaved, m_clock.now(),
                   tr("Dorvane could not save the alarm time to %1: %2.\n\n"
                      "The alarm still rings at the time shown, but Dorvane will not "
                      "remember it when it starts again.")
                       .arg(ForNotice(error.path), error.reason));
    }
}

void Form1::Command1_Click()
{
    OpenWebPage(m_pages.help);
}

void Form1::Command2_Click()
{
    OpenWebPage(m_pages.contact);
}

void Form1::Command3_Click()
{
    Module1::FilePattern = QStringLiteral("*.*");
    // Made afresh for every showing, so nothing of the last choice lingers.
    frmSelectOneFile dialog(m_files, m_browsing);
    dialog.exec();
    updateWakeUp(true);
}

void Form1::OpenWebPage(const QUrl &address)
{
    // Nobody waits for the answer: a page that does not open tells its own story.
    m_opener.openAddress(address);
}

void Form1::tellNotice(Trouble kind, const QDateTime &when, const QString &text)
{
    // Named with its day, the moment stays true when the notice is read the next morning.
    m_notices.tell(kind, when, [&](const NoticeBoard<Trouble>::Told &told) {
        if (told.times == 1)
            return text;
        return tr("%1\n\nThis has happened %2 times since this notice first appeared, at %3.")
            .arg(text, QString::number(told.times), momentText(told.first));
    });
}
