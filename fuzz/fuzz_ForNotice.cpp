// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the text a notice shows: bounded in length, without a control character, line break or
// direction mark, and made of the text's two ends without splitting a character.
#include "FuzzSupport.h"
#include "Text.h"

namespace {

// What would break the notice's lines, or turn the text around it to read another way.
bool mustNotShow(QChar c)
{
    switch (c.unicode()) {
    case 0x200E: case 0x200F: // left-to-right and right-to-left marks
    case 0x202A: case 0x202B: case 0x202C: case 0x202D: case 0x202E: // embeddings and overrides
    case 0x2066: case 0x2067: case 0x2068: case 0x2069: // isolates
        return true;
    }
    return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
        || c.category() == QChar::Separator_Paragraph;
}

// @p shown is @p text, character for character, but for what cannot be shown as it is.
bool showsAsIs(QStringView shown, QStringView text)
{
    if (shown.size() != text.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (shown[i] != text[i] && !mustNotShow(text[i]))
            return false;
    }
    return true;
}

bool splitsPair(QStringView text, qsizetype at)
{
    return at > 0 && at < text.size() && text[at - 1].isHighSurrogate() && text[at].isLowSurrogate();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const qsizetype maxLength = qint16(data[0] | data[1] << 8);
    const QString text = FuzzSupport::utf16(data + 2, size - 2);
    const QString shown = ForNotice(text, maxLength);
    const qsizetype limit = qMax<qsizetype>(maxLength, 3);
    const QString detail = QString::number(maxLength) + QStringLiteral(": ") + text + QStringLiteral(" -> ") + shown;

    FUZZ_CHECK(shown.size() <= limit, detail);
    for (const QChar c : shown)
        FUZZ_CHECK(!mustNotShow(c), detail);
    if (text.size() <= limit) {
        FUZZ_CHECK(showsAsIs(shown, text), detail);
        return 0;
    }

    // Cut in the middle: the text's head, an ellipsis, its tail; at most a
    // surrogate pair's half on either side less than the limit allows.
    FUZZ_CHECK(shown.size() >= limit - 2, detail);
    bool fits = false;
    for (qsizetype head = 0; head < shown.size() && !fits; ++head) {
        const qsizetype tail = shown.size() - head - 1;
        fits = shown[head] == QChar(0x2026) && qAbs(head - tail) <= 2
            && showsAsIs(QStringView(shown).first(head), QStringView(text).first(head))
            && showsAsIs(QStringView(shown).last(tail), QStringView(text).last(tail))
            && !splitsPair(text, head) && !splitsPair(text, text.size() - tail);
    }
    FUZZ_CHECK(fits, detail);
    return 0;
}
