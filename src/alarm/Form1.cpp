// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the main window, with the running clock and the alarm time.
#include "Form1.h"

#include "AlarmClock.h"
#include "AlarmTexts.h"
#include "AlarmTimeFile.h"
#include "Fonts.h"
#include "frmSelectOneFile.h"
#include "Module1.h"
#include "Opener.h"
#include "SequentialFiles.h"
#include "TimeText.h"
#include "Twips.h"
#include "WebPane.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimeEdit>

#include <utility>

namespace {

Q_LOGGING_CATEGORY(lcWindow, "dorvane.alarm")

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
    , m_clock(services.alarm.clock)
    , m_opener(services.alarm.opener)
    , m_files(services.alarm.files)
    , m_pages(services.pages)
    , m_browsing(services.browsing)
    , m_alarmClock(new AlarmClock(services.alarm, this))
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

    //: A button caption: at most 80 pixels of Verdana 8.25 pt.
    Command2 = makeButton(tr("Contact"), QStringLiteral("Command2"), Layout::Command2, this);
    //: A button caption: at most 64 pixels of Verdana 8.25 pt; it opens the dialog that chooses the file.
    Command3 = makeButton(tr("Set File"), QStringLiteral("Command3"), Layout::Command3, this);
    //: A button caption: at most 34 pixels of Verdana 8.25 pt.
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
    Command1->setAccessibleName(tr("Help"));
    Command1->setAccessibleDescription(tr("Opens Dorvane's help in your web browser."));
    Command2->setAccessibleName(tr("Contact"));
    Command2->setAccessibleDescription(tr("Opens the page for contacting Dorvane's makers in your web browser."));
    Command3->setAccessibleName(tr("Set File"));
    Command3->setAccessibleDescription(tr("Chooses the file that Dorvane opens at the alarm time."));
    WebBrowser1->setAccessibleName(tr("News from Dorvane's makers"));
    WebBrowser1->setAccessibleDescription(tr("A page from Dorvane's makers; its links open in your web browser."));

    connect(dtAlarmTime, &QTimeEdit::timeChanged, this, &Form1::dtAlarmTime_Change);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);

    connect(m_alarmClock, &AlarmClock::ticked, this, [this](const QDateTime &now) {
        mskTime->setText(TimeText::Format(now.time()));
    });
    connect(m_alarmClock, &AlarmClock::notOpened, this, [this](const NotOpened &notOpened) {
        QApplication::beep();
        tell(troubleOf(notOpened), notOpened.alarm, AlarmTexts::notOpened(notOpened));
    });
    connect(m_alarmClock, &AlarmClock::missed, this, [this](const Missed &missed) {
        QApplication::beep();
        tell(Notice::AlarmMissed, missed.first, AlarmTexts::missed(missed), missed.count);
    });
    connect(m_alarmClock, &AlarmClock::wakePlanChanged, this, &Form1::showWakePlan);
    connect(m_alarmClock, &AlarmClock::willNotWake, this, [this](const WakePlan &plan) {
        tell(Notice::WillNotWake, m_clock.now(), AlarmTexts::willNotWake(plan));
    });

    Form_Load();
    showWakePlan(m_alarmClock->wakePlan());
    m_alarmClock->start(dtAlarmTime->time());
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    WebBrowser1->navigate(m_pages.pane);
    mskTime->setInputMask(QString());
    mskTime->setText(TimeText::Format(m_clock.now().time()));
    RestoreAlarmTime();
}

void Form1::showWakePlan(const WakePlan &plan)
{
    const QString sentence = AlarmTexts::wakePlan(plan);
    dtAlarmTime->setToolTip(sentence);
    const QString description =
        tr("At this time every day Dorvane opens the chosen file. Left and Right move between hours, "
           "minutes and AM/PM; Up and Down or typing change them. Each change is saved at once.");
    dtAlarmTime->setAccessibleDescription(sentence.isEmpty() ? description : description + u' ' + sentence);
}

void Form1::dtAlarmTime_Change()
{
    SaveAlarmTime(dtAlarmTime->time());
    m_alarmClock->setAlarmTime(dtAlarmTime->time());
}

void Form1::SaveAlarmTime(QTime value)
{
    if (AlarmTimeFile::save(m_files, value)) {
        m_saveFailureShown = false;
        return;
    }
    // Told once per run of failures: the picker changes with every click of
    // its arrows. A later run brings the notice up to date if it is still open.
    if (!std::exchange(m_saveFailureShown, true))
        tell(Notice::AlarmTimeNotSaved, m_clock.now(), AlarmTexts::notSaved(m_files.lastError()));
}

void Form1::RestoreAlarmTime()
{
    const AlarmTimeFile::Restored restored =
        AlarmTimeFile::restore(m_files, [this](const QString &path) { return OpenFile(path); });
    if (const QString problem = AlarmTexts::notRestored(restored); !problem.isEmpty()) {
        const bool unsaved = restored.status == AlarmTimeFile::Restored::Status::NotCreated;
        m_saveFailureShown = unsaved;
        tell(unsaved ? Notice::AlarmTimeNotSaved : Notice::AlarmTimeUnreadable, m_clock.now(), problem);
    }
    // Only the user's edits count as changes: restoring must not save.
    const QSignalBlocker blocker(dtAlarmTime);
    dtAlarmTime->setTime(restored.time);
}

qint16 Form1::OpenFile(const QString &xPath)
{
    return m_files.openIfExists(xPath);
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
    m_alarmClock->recheckRecord();
}

void Form1::OpenWebPage(const QUrl &address)
{
    // Nobody waits for the answer: a page that does not open tells its own story.
    m_opener.openAddress(address);
}

void Form1::tell(Trouble kind, const QDateTime &when, const QString &text, int count)
{
    qCWarning(lcWindow).noquote() << text;
    // Named with its day, the moment stays true when the notice is read the next morning.
    m_notices.tell(kind, when, count, [&](const NoticeBoard<Trouble>::Told &told) {
        return AlarmTexts::repeated(text, told.times, told.first);
    });
}
