// SPDX-License-Identifier: GPL-3.0-or-later
// Text: the small text operations the program's logic relies on.
#include "Text.h"

namespace {

// Marks that change the direction of the text around them: "3pm.mp3" with
// a right-to-left override in it could read as another name.
bool isDirectionMark(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

// A line break (CR, LF, Unicode's line and paragraph separators) shows as
// "⏎", any other control character or direction mark as "�": both are in the
// fonts every desktop has, unlike the control pictures from U+2400.
void showControlCharacters(QString &text)
{
    for (QChar &c : text) {
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QChar(0x23CE);
        else if (c.category() == QChar::Other_Control || isDirectionMark(c))
            c = QChar::ReplacementCharacter;
    }
}

} // namespace

QString ForNotice(QStringView text, qsizetype maxLength)
{
    QString shown = text.toString();
    if (text.size() > qMax<qsizetype>(maxLength, 3)) {
        const qsizetype keep = qMax<qsizetype>(maxLength - 1, 2);
        qsizetype head = keep / 2;
        qsizetype tail = keep - head;
        // Never half a character from outside the basic plane.
        if (text.at(head - 1).isHighSurrogate())
            --head;
        if (text.at(text.size() - tail).isLowSurrogate())
            --tail;
        shown = text.first(head).toString() + QChar(0x2026) + text.last(tail).toString();
    }
    showControlCharacters(shown);
    return shown;
}

QString VisibleName(QStringView name)
{
    QString shown = name.toString();
    showControlCharacters(shown);
    constexpr QChar openBox(0x2423);
    for (qsizetype i = 0; i < shown.size() && shown.at(i) == u' '; ++i)
        shown[i] = openBox;
    for (qsizetype i = shown.size() - 1; i >= 0 && shown.at(i) == u' '; --i)
        shown[i] = openBox;
    return shown;
}
