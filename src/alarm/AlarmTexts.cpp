// SPDX-License-Identifier: GPL-3.0-or-later
// AlarmTexts: every sentence the main window shows, worded from the facts it is given.
#include "AlarmTexts.h"

#include "Text.h"
#include "TimeText.h"

#include <QDir>

namespace {

/// A path as notices show it: in the system's notation, shortened, control characters made visible.
QString shown(const QString &path)
{
    return ForNotice(QDir::toNativeSeparators(path));
}

} // namespace

QString AlarmTexts::moment(const QDateTime &when)
{
    // The day in the words of the sentence's language, whatever the system's
    // formats are; the time as the clock shows it.
    const QLocale language(tr("en", "the language of the day and month names in notices: "
                                    "the code of this translation's language, such as de or fr"));
    const QString day = TimeText::FormatDay(
        when.date(), language, tr("dddd, d MMMM", "a day in notices, in QLocale's date format: Monday, 15 June"));
    return tr("%1 on %2", "a moment in notices: 07:30:00 AM on Monday, 15 June").arg(TimeText::Format(when.time()), day);
}

QString AlarmTexts::notOpened(const NotOpened &notOpened)
{
    return tr("At %1, the alarm time, Dorvane could not open anything: %2")
        .arg(moment(notOpened.alarm), whyNotOpened(notOpened));
}

QString AlarmTexts::whyNotOpened(const NotOpened &notOpened)
{
    const Module1::Target &target = notOpened.target;
    const QString path = shown(target.path);
    if (notOpened.desktop) {
        switch (*notOpened.desktop) {
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
    }
    switch (target.status) {
    case Module1::Target::Status::Found:
        break;
    case Module1::Target::Status::NoRecord:
    case Module1::Target::Status::EmptyRecord:
        return tr("no file has been chosen. Choose one with Set File.");
    case Module1::Target::Status::Unreadable:
        return tr("the record of the chosen file, %1, cannot be read: %2. Choose the file again with Set File.")
            .arg(path, ForNotice(target.reason));
    case Module1::Target::Status::NotFullPath:
        return tr("the chosen file is recorded as %1, which is not a full path, so it could be "
                  "any file of that name. Choose the file again with Set File.")
            .arg(path);
    case Module1::Target::Status::Missing:
        return tr("the chosen file %1 cannot be found.").arg(path);
    case Module1::Target::Status::NotAFile:
        return tr("the chosen %1 is not a file that can be opened, but a folder, a device or a pipe.").arg(path);
    case Module1::Target::Status::CannotRead:
        if (target.obstacle.isEmpty())
            return tr("the chosen file %1 cannot be read: %2.").arg(path, ForNotice(target.reason));
        return tr("the chosen file %1 cannot be read: you have no permission to open the folder %2 on its path.")
            .arg(path, shown(target.obstacle));
    case Module1::Target::Status::EndsInSeparator:
        return tr("the chosen file is recorded as %1, which ends in \u201c%2\u201d and so names a folder, "
                  "but %3 is a file. Choose the file again with Set File.")
            .arg(path, QDir::toNativeSeparators(target.path).back(), shown(target.obstacle));
    case Module1::Target::Status::OtherComputer:
        return tr("the chosen file is recorded as %1, the address of a file on another computer, which "
                  "Dorvane cannot open. Choose the file again with Set File.")
            .arg(path);
    }
    return QString();
}

QString AlarmTexts::missed(const Missed &missed)
{
    QString why;
    switch (missed.gap) {
    case AlarmWatch::Gap::Asleep:
        why = tr("the computer was asleep.");
        if (const QString woken = whyNotWoken(missed.plan); !woken.isEmpty())
            why += u' ' + woken;
        break;
    case AlarmWatch::Gap::ClockSetForward:
        why = tr("the computer's clock was set forward past it.");
        break;
    case AlarmWatch::Gap::NotRunning:
        why = tr("Dorvane could not run at that time: it was stopped, or the computer was too busy.");
        break;
    }
    if (missed.count == 1)
        return tr("The alarm of %1 was missed and is not played late: %2").arg(moment(missed.first), why);
    return tr("The %n alarms from %1 to %2 were missed and are not played late: %3", nullptr, missed.count)
        .arg(moment(missed.first), moment(missed.last), why);
}

QString AlarmTexts::whyNotWoken(const WakePlan &plan)
{
    switch (plan.state) {
    case WakePlan::State::NoFile:
        return tr("Dorvane does not wake the computer while no file is chosen.");
    case WakePlan::State::Refused:
        return tr("Dorvane could not wake it: %1.").arg(plan.obstacle);
    case WakePlan::State::Asked:
        return tr("Dorvane had asked the system to wake it at %1.").arg(TimeText::Format(plan.at.time()));
    case WakePlan::State::NotAsked:
        break;
    }
    return QString();
}

QString AlarmTexts::notRestored(const AlarmTimeFile::Restored &restored)
{
    using Status = AlarmTimeFile::Restored::Status;
    switch (restored.status) {
    case Status::Read:
    case Status::Created:
        break;
    case Status::NotCreated:
        return notSaved(restored.error);
    case Status::Unreadable:
        return tr("Dorvane could not read the alarm time from %1: %2.\n\n"
                  "The alarm is set to 12:00 PM until you choose another time.")
            .arg(ForNotice(restored.error.path), restored.error.reason);
    case Status::NotATime: {
        const QString held = restored.line ? tr("it holds \u201c%1\u201d").arg(ForNotice(*restored.line, 60))
                                           : tr("it is empty");
        return tr("Dorvane could not read the alarm time from %1: %2, which is not a time of day.\n\n"
                  "The alarm is set to 12:00 PM until you choose another time.")
            .arg(ForNotice(restored.localPath), held);
    }
    }
    return QString();
}

QString AlarmTexts::notSaved(const SequentialFiles::Error &error)
{
    return tr("Dorvane could not save the alarm time to %1: %2.\n\n"
              "The alarm still rings at the time shown, but Dorvane will not "
              "remember it when it starts again.")
        .arg(ForNotice(error.path), error.reason);
}

QString AlarmTexts::repeated(const QString &text, int times, const QDateTime &first)
{
    if (times <= 1)
        return text;
    return tr("%1\n\nThis has happened %n times, the first at %2.", nullptr, times).arg(text, moment(first));
}

QString AlarmTexts::wakePlan(const WakePlan &plan)
{
    switch (plan.state) {
    case WakePlan::State::Asked:
        return tr("The computer will be woken at %1 for the alarm.").arg(TimeText::Format(plan.at.time()));
    case WakePlan::State::Refused:
        return tr("This computer will not be woken for the alarm: %1.").arg(plan.obstacle);
    case WakePlan::State::NoFile:
        return tr("This computer will not be woken for the alarm while no file is chosen.");
    case WakePlan::State::NotAsked:
        break;
    }
    return QString();
}

QString AlarmTexts::holdingAwake(QTime alarm)
{
    return tr("The alarm at %1 is about to play its file.").arg(TimeText::Format(alarm));
}

QString AlarmTexts::willNotWake(const WakePlan &plan)
{
    return tr("If this computer is asleep at the alarm time, Dorvane cannot wake it: %1.\n\n"
              "Leave the computer awake, or the alarm will be missed.")
        .arg(plan.obstacle);
}
