// SPDX-License-Identifier: GPL-3.0-or-later
// AccessibleWidgets on Windows: Qt's UI Automation names a drop-down list by what it is for already.
#include "AccessibleWidgets.h"

namespace AccessibleWidgets {

void install()
{
}

} // namespace AccessibleWidgets
