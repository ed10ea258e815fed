// SPDX-License-Identifier: GPL-3.0-or-later
// TimeText: the one text form in which times are shown, stored and compared.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

/**
 * Time-of-day text: "hh:mm:ss AM/PM", a two-digit hour on the 12-hour clock,
 * two-digit minutes and seconds and an upper-case AM or PM, the same in every
 * locale. Noon is "12:00:00 PM", midnight "12:00:00 AM".
 */
namespace TimeText {

/// The time-of-day text of @p time.
QString Format(QTime time);

/**
 * The day @p date as the program's notices name it: by default "Monday, 15
 * June", in English whatever the system's locale; in another language, with
 * that @p language's names in its @p format.
 */
QString FormatDay(QDate date, const QLocale &language = QLocale::c(), QStringView format = u"dddd, d MMMM");

/**
 * Reads a time of day: "h:mm", "h:mm:ss", either followed by AM/PM, am/pm,
 * A or P in any case, or without a marker on the 24-hour clock. Spaces
 * around the text and before the marker are allowed. Hour 0 with PM is noon,
 * as with AM it is midnight.
 *
 * Returns no value for text that is not a time of day.
 */
std::optional<QTime> Parse(QStringView text);

} // namespace TimeText
