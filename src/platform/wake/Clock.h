// SPDX-License-Identifier: GPL-3.0-or-later
// Clock: where the program learns the current date and time.
#pragma once

#include <QDateTime>

/// What the clocks read at one moment.
struct ClockReading {
    QDateTime wall;
    qint64 awakeMSecs = 0;
    qint64 sinceBootMSecs = 0;
};

/**
 * The source of "now". Everything that needs the current time asks a Clock
 * handed to it, so tests can put any moment in its place.
 */
class Clock
{
public:
    virtual ~Clock() = default;

    /// The current date and time as local time.
    virtual QDateTime now() const = 0;

    /// Milliseconds on a counter that never jumps and stands still while the computer sleeps.
    virtual qint64 awakeMSecs() const = 0;

    /// Milliseconds on a counter that never jumps and runs on while the computer sleeps.
    virtual qint64 sinceBootMSecs() const = 0;

    /// All three at once.
    ClockReading read() const { return {now(), awakeMSecs(), sinceBootMSecs()}; }
};
