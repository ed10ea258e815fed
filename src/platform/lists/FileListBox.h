// SPDX-License-Identifier: GPL-3.0-or-later
// FileListBox: the files of one folder whose names match a pattern.
#pragma once

#include "FolderListBox.h"

/**
 * Lists, sorted by name without regard to case, the files (not folders) in
 * path() whose names match pattern(); hidden files are left out, and so are
 * names that are not valid text in the system's encoding.
 */
class FileListBox : public FolderListBox
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget *parent = nullptr);

    /// The folder listed, in the system's notation.
    QString path() const;
    void setPath(const QString &folder);

    /**
     * Wildcards separated by ";", matched without regard to case. "*.*"
     * means every file, names without a dot included; so does an empty pattern.
     */
    QString pattern() const { return m_pattern; }
    void setPattern(const QString &pattern);

    int listCount() const { return count(); }

    /// The name at @p index, exactly as on disk; empty when there is none.
    QString list(int index) const;

    /// The selected item's index, -1 when none is selected.
    int listIndex() const;

signals:
    void listIndexChanged(int index);

private:
    void fill();
    void showNames(const QStringList &names);
    void reportListIndex();

    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    int m_reportedIndex = -1;
};
