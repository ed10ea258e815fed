// SPDX-License-Identifier: GPL-3.0-or-later
// AlarmTexts: every sentence the main window shows, worded from the facts it is given.
#pragma once

#include "AlarmReport.h"

#include <QCoreApplication>
#include <QString>

/**
 * One place for each sentence of the main window's notices and of what it
 * says of waking the computer: pure functions of what happened, so that a
 * test reads them without a window and a translator finds them together.
 */
class AlarmTexts
{
    Q_DECLARE_TR_FUNCTIONS(AlarmTexts)

public:
    /// A moment as notices name it: "07:30:00 AM on Monday, 15 June".
    static QString moment(const QDateTime &when);

    /// Why nothing opened at an alarm, in a whole notice.
    static QString notOpened(const NotOpened &notOpened);

    /// Which alarms were missed, and why, in a whole notice.
    static QString missed(const Missed &missed);

    /// Why the alarm time could not be restored, and what it is now; empty when it was.
    static QString notRestored(const AlarmTimeFile::Restored &restored);

    /// Why the alarm time could not be saved.
    static QString notSaved(const SequentialFiles::Error &error);

    /// @p text of a notice told @p times times, the first at @p first.
    static QString repeated(const QString &text, int times, const QDateTime &first);

    /// What the computer's sleep means for the next alarm, in one sentence.
    static QString wakePlan(const WakePlan &plan);

    /// Why the computer is held awake, for the desktop's list of what delays sleep.
    static QString holdingAwake(QTime alarm);

    /// The notice that a chosen file will not wake the computer.
    static QString willNotWake(const WakePlan &plan);

private:
    static QString whyNotOpened(const NotOpened &notOpened);
    static QString whyNotWoken(const WakePlan &plan);
};
