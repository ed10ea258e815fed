// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts: the program's typeface, with look-alikes where it is not installed.
#include "Fonts.h"

#include <QStringList>

namespace Fonts {

QFont verdana(qreal points, bool bold)
{
    QFont font;
    // DejaVu Sans grew out of Bitstream Vera, drawn to Verdana's wide,
    // open proportions, so the layout keeps its look where Verdana is missing.
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Bitstream Vera Sans"), QStringLiteral("Tahoma")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace Fonts
