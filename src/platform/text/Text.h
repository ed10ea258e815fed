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

/**
 * @p text as a notice may show it: control characters (a line break in a
 * file name, the bytes of a binary file) as visible symbols, and text
 * longer than @p maxLength cut in the middle, where "…" stands for what was
 * left out, so that both ends of a path stay readable (never shorter than 3).
 */
QString ForNotice(QStringView text, qsizetype maxLength = 160);

/**
 * A file name as a list shows it so that no two names look alike: spaces at
 * either end as "␣" and control characters (a line break) as their
 * visible symbols. "song.mp3 " reads "song.mp3␣".
 */
QString VisibleName(QStringView name);
