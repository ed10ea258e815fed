// SPDX-License-Identifier: GPL-3.0-or-later
// DirListBox: the folder the user is in, its ancestors and its subfolders.
#pragma once

#include "FolderListBox.h"

/**
 * Lists the folders from the root down to the current one, then the current
 * folder's subfolders one step further in; hidden folders are left out.
 * Opening an item (double click, or Enter) makes it the current folder.
 */
class DirListBox : public FolderListBox
{
    Q_OBJECT

public:
    explicit DirListBox(QWidget *parent = nullptr);

    /// The current folder, in the system's notation.
    QString path() const;

    /**
     * Makes @p folder the current folder and raises pathChanged() when it
     * differs from the last one. False, with nothing changed, when @p folder
     * is not an existing folder.
     */
    bool setPath(const QString &folder);

    /**
     * Reads the current folder again. When it has gone, the nearest folder
     * above it that is still there becomes the current one.
     */
    void refresh();

signals:
    void pathChanged();
    /// The listed @p folder was opened, but its full path is longer than the system allows.
    void tooLongToOpen(const QString &folder);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void dressItem(QListWidgetItem &entry, const QString &name) override;

private:
    void open(const QModelIndex &index);
    void fill();
    void showSubfolders(const QStringList &names);

    QString m_path;
    int m_subfolderDepth = 0;
    QIcon m_subfolderIcon;
};
