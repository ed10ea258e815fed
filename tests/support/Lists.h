// SPDX-License-Identifier: GPL-3.0-or-later
// Lists: clicking list items as a user does.
#pragma once

#include <QListWidget>
#include <QTest>

namespace Lists {

/// Clicks the one item reading @p text, once it is listed; @p twice makes it a double click.
inline void clickItem(QListWidget *list, const QString &text, bool twice = false)
{
    // The lists read their folders on a thread of their own: a slow disk, or
    // Wine, may take longer than the lists wait before they show the window.
    QTRY_COMPARE_WITH_TIMEOUT(list->findItems(text, Qt::MatchExactly).size(), 1, 5000);
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    const QPoint where = list->visualItemRect(found.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
    if (twice) {
        // What the window system delivers for the second click of a double click.
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, where);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, where);
    }
}

} // namespace Lists
