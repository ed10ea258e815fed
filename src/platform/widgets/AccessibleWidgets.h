// SPDX-License-Identifier: GPL-3.0-or-later
// AccessibleWidgets: what a screen reader is told of windows and drop-down lists where Qt's own words mislead.
#pragma once

/**
 * Where Qt's accessibility says the wrong thing on Linux's AT-SPI, so that a
 * screen reader reads what the Windows build's reader reads (there, Qt's UI
 * Automation already does, and this changes nothing):
 * - a drop-down list that cannot be typed into is named by its accessible
 *   name, what it is for ("Place"), not by the item it shows; the item is its
 *   value and its read-only text, selected, and a new item is told as a change
 *   of both, which Orca speaks;
 * - a top-level window made of a plain QWidget is a window (a frame on
 *   AT-SPI), named by its title, not an anonymous filler.
 */
namespace AccessibleWidgets {

/// Applies to every widget asked about afterwards; once the application exists, before its windows are shown.
void install();

} // namespace AccessibleWidgets
