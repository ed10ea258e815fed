// SPDX-License-Identifier: GPL-3.0-or-later
// TimeText: the one text form in which times are shown, stored and compared.
#include "TimeText.h"

#include <QLocale>
#include <QRegularExpression>

namespace TimeText {

QString Format(QTime time)
{
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const char *marker = time.hour() < 12 ? "AM" : "PM";
    return QString::asprintf("%02d:%02d:%02d %s", hour12, time.minute(), time.second(), marker);
}

QString FormatDay(QDate date, const QLocale &language, QStringView format)
{
    return language.toString(date, format);
}

std::optional<QTime> Parse(QStringView text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*([0-9]{1,2}):([0-9]{1,2})(?::([0-9]{1,2}))?\s*(?:([AaPp])[Mm]?)?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;

    int hour = match.capturedView(1).toInt();
    const int minute = match.capturedView(2).toInt();
    const int second = match.hasCaptured(3) ? match.capturedView(3).toInt() : 0;
    if (match.hasCaptured(4)) {
        if (hour > 12)
            return std::nullopt;
        const bool pm = match.capturedView(4).compare(u"p", Qt::CaseInsensitive) == 0;
        hour = hour % 12 + (pm ? 12 : 0);
    } else if (hour > 23) {
        return std::nullopt;
    }
    if (minute > 59 || second > 59)
        return std::nullopt;
    return QTime(hour, minute, second);
}

} // namespace TimeText
