// SPDX-License-Identifier: GPL-3.0-or-later
// NoticeBox: the one way both windows tell the user what went wrong.
#include "NoticeBox.h"

#include <QMessageBox>
#include <QTimer>

namespace NoticeBox {

QMessageBox *show(QWidget *parent, const QString &text, Holds holds)
{
    auto *notice = new QMessageBox(QMessageBox::Warning, parent->window()->windowTitle(), text, QMessageBox::Ok, parent);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setTextFormat(Qt::PlainText);
    // No nested event loop either way: whatever called this goes on at once.
    notice->setWindowModality(holds == Holds::Window ? Qt::WindowModal : Qt::NonModal);
    // A window still being built shows first; its notice comes after it.
    if (parent->window()->isVisible())
        notice->show();
    else
        QTimer::singleShot(0, notice, &QWidget::show);
    return notice;
}

} // namespace NoticeBox
