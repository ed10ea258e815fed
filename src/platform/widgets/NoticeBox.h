// SPDX-License-Identifier: GPL-3.0-or-later
// NoticeBox: the one way both windows tell the user what went wrong.
#pragma once

class QMessageBox;
class QString;
class QWidget;

namespace NoticeBox {

/// What the notice holds up while it is open.
enum class Holds {
    Nothing, ///< the window stays usable and its clock keeps running
    Window,  ///< the window under it waits, and nothing else does
};

/**
 * Shows @p text as a warning over @p parent, titled as @p parent's window.
 * The text is plain text, never markup: file names and file contents go
 * into notices. The notice deletes itself when closed. Raised while
 * @p parent's window is not yet on screen, it waits for the event loop,
 * so that it comes after the window.
 */
QMessageBox *show(QWidget *parent, const QString &text, Holds holds);

} // namespace NoticeBox
