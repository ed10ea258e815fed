// SPDX-License-Identifier: GPL-3.0-or-later
// Clock: where the program learns the current date and time.
#pragma once

#include <QDateTime>

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
};
