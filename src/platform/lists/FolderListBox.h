// SPDX-License-Identifier: GPL-3.0-or-later
// FolderListBox: a list of what a folder holds, read without holding up the window.
#pragma once

#include "FolderReader.h"

#include <QListWidget>
#include <QTimer>

/**
 * What the folder and file lists share: their names are read by a
 * FolderReader, "Reading the folder…" shows while a slow one is read, and
 * every item shows its name so that no two look alike (VisibleName()),
 * while nameOf() gives the name exactly as it is on disk.
 */
class FolderListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit FolderListBox(QWidget *parent = nullptr);

    /// True while the folder is still being read or listed.
    bool reading() const { return m_reader.busy() || !m_pending.isEmpty(); }

    /// The name on disk of @p entry.
    static QString nameOf(const QListWidgetItem *entry);

protected:
    /// Adds an item for the file or folder called @p name.
    QListWidgetItem *addName(const QString &name, const QIcon &icon = QIcon());

    /**
     * Adds items for @p names after those there are. A few thousand go in at
     * once; more go in slices, each in its own turn of the event loop, so a
     * huge folder never holds the window either.
     */
    void addNames(const QStringList &names);

    /// Gives an item that addNames() added for @p name what it shows or carries besides the name.
    virtual void dressItem(QListWidgetItem &entry, const QString &name);

    /// Empties the list, names still to come included.
    void startOver();

    void paintEvent(QPaintEvent *event) override;

    /// Tells a screen reader that the new current item has the focus only while the list has it.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

    FolderReader m_reader;

private:
    void addSlice();
    static void markIfShownOtherwise(QListWidgetItem *entry, const QString &name);

    QStringList m_pending;
    qsizetype m_nextPending = 0;
    QTimer m_slices;
};
