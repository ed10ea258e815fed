// SPDX-License-Identifier: GPL-3.0-or-later
// NoticeBoard: one open notice per kind of trouble, brought up to date when the trouble comes again.
#pragma once

#include "NoticeBox.h"

#include <QDateTime>
#include <QMessageBox>
#include <QPointer>

#include <map>
#include <utility>

/**
 * Keeps at most one open notice per kind of trouble, over one window. Trouble
 * of a kind whose notice is open rewrites that notice, counted with what it
 * told before, instead of stacking another on it; once the user has closed
 * it, the next trouble of the kind opens a new one. No notice holds the
 * window up.
 *
 * @tparam Kind an ordered value that tells the kinds of trouble apart.
 */
template <typename Kind>
class NoticeBoard
{
public:
    /// What the open notice of a kind tells of.
    struct Told {
        int times = 0;   ///< how many troubles of the kind, the latest included
        QDateTime first; ///< when the first of them came
    };

    explicit NoticeBoard(QWidget *parent)
        : m_parent(parent)
    {
    }

    /**
     * Tells of @p count more troubles of @p kind, the first of which came at
     * @p when. @p compose writes the notice's text from a Told. Returns the notice.
     */
    template <typename Compose>
    QMessageBox *tell(const Kind &kind, const QDateTime &when, int count, Compose compose)
    {
        Open &open = m_open[kind];
        if (!open.notice)
            open = Open{};
        if (open.told.times == 0)
            open.told.first = when;
        open.told.times += count;
        const QString text = compose(std::as_const(open.told));
        if (open.notice) {
            open.notice->setText(text);
            open.notice->raise();
        } else {
            open.notice = NoticeBox::show(m_parent, text, NoticeBox::Holds::Nothing);
            // Closed, it has told its story: the next trouble of its kind is news.
            QObject::connect(open.notice, &QDialog::finished, open.notice, [this, kind] { m_open.erase(kind); });
        }
        return open.notice;
    }

private:
    struct Open {
        QPointer<QMessageBox> notice;
        Told told;
    };

    QWidget *const m_parent;
    std::map<Kind, Open> m_open;
};
