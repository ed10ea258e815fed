// SPDX-License-Identifier: GPL-3.0-or-later
// AlarmReport: what the alarm clock tells its window, as facts for the window to word.
#pragma once

#include "AlarmTimeFile.h"
#include "AlarmWatch.h"
#include "Module1.h"
#include "Opener.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <variant>

/// Whether and when the computer is woken for the next alarm.
struct WakePlan {
    enum class State {
        NoFile,   ///< nothing to wake for: no file is chosen
        Asked,    ///< the system was asked to wake the computer at `at`
        Refused,  ///< the computer will not be woken: `obstacle` says why
        NotAsked, ///< no request stands for the alarm in question
    };
    State state = State::NotAsked;
    QDateTime at;
    QString obstacle = {};

    bool operator==(const WakePlan &) const = default;
};

/// Why nothing opened at an alarm: what the record named, and what the desktop answered.
struct NotOpened {
    QDateTime alarm;                        ///< the alarm's moment, on the day it came
    Module1::Target target;                 ///< Found, when the desktop was asked and failed
    std::optional<Opener::Failure> desktop; ///< the desktop's answer, when it was asked
};

/// Alarms that passed without a tick to play them.
struct Missed {
    QDateTime first;   ///< the earliest of them
    QDateTime last;    ///< the latest of them; the same as first for one
    int count = 1;
    AlarmWatch::Gap gap;
    WakePlan plan;     ///< what had been arranged for the first of them
};

/// The window's own kinds of trouble, beside those the record and the desktop tell of.
enum class Notice {
    AlarmTimeUnreadable,
    AlarmTimeNotSaved,
    AlarmMissed,
    WillNotWake,
};

/// A kind of trouble: each kind has at most one notice open.
using Trouble = std::variant<Module1::Target::Status, Opener::Failure, Notice>;

/// The kind of trouble @p notOpened is: the desktop's "not found" and "no
/// permission" say what the record's own kinds say, and share their notice.
Trouble troubleOf(const NotOpened &notOpened);
