// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the time text reader: what it accepts is a time of day that its own form reads back the same.
#include "FuzzSupport.h"
#include "TimeText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // Mostly text as a settings file decodes it; now and then any UTF-16 at all.
    const QString text = data[0] % 4 == 0 ? FuzzSupport::utf16(data + 1, size - 1)
                                          : QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const std::optional<QTime> time = TimeText::Parse(text);

    // Spaces around the text never change what it says.
    FUZZ_CHECK(TimeText::Parse(QStringLiteral("  ") + text + QStringLiteral(" ")) == time, text);
    if (!time)
        return 0;

    FUZZ_CHECK(time->isValid() && time->msec() == 0, text);
    const QString shown = TimeText::Format(*time);
    FUZZ_CHECK(shown.size() == 11 && (shown.endsWith(QStringLiteral(" AM")) || shown.endsWith(QStringLiteral(" PM"))),
               text + QStringLiteral(" -> ") + shown);
    FUZZ_CHECK(TimeText::Parse(shown) == time, text + QStringLiteral(" -> ") + shown);
    // Only the marker has a case, and its case does not matter.
    FUZZ_CHECK(TimeText::Parse(text.toLower()) == time && TimeText::Parse(text.toUpper()) == time, text);
    return 0;
}
