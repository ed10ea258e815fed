// SPDX-License-Identifier: GPL-3.0-or-later
// Text: the small text operations the program's logic relies on.
#pragma once

#include <QString>
#include <QStringView>

/// @p text without leading and trailing spaces; tabs and other white space stay.
inline QString Trim(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.sliced(begin, end - begin).toString();
}
