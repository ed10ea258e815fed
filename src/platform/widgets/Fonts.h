// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts: the program's typeface, with look-alikes where it is not installed.
#pragma once

#include <QFont>

namespace Fonts {

/// Verdana at @p points, or the closest sans-serif face this system has.
QFont verdana(qreal points, bool bold = false);

} // namespace Fonts
