// SPDX-License-Identifier: GPL-3.0-or-later
// FileListBox: the files of one folder whose names match a pattern.
#include "FileListBox.h"

#include <QDir>

namespace {

QStringList nameFilters(const QString &pattern)
{
    QStringList filters;
    for (const QString &part : pattern.split(u';')) {
        const QString filter = part.trimmed();
        // On Windows "*.*" matches names without a dot too; a plain glob would not.
        if (filter == u"*.*" || filter == u"*")
            return {};
        if (!filter.isEmpty())
            filters.append(filter);
    }
    return filters;
}

} // namespace

FileListBox::FileListBox(QWidget *parent)
    : QListWidget(parent)
{
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, &FileListBox::reportListIndex);
}

QString FileListBox::path() const
{
    return QDir::toNativeSeparators(m_path);
}

void FileListBox::setPath(const QString &folder)
{
    m_path = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    fill();
}

void FileListBox::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    fill();
}

QString FileListBox::list(int index) const
{
    const QListWidgetItem *entry = item(index);
    return entry ? entry->text() : QString();
}

int FileListBox::listIndex() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void FileListBox::fill()
{
    clear();
    if (!m_path.isEmpty())
        addItems(QDir(m_path).entryList(nameFilters(m_pattern), QDir::Files, QDir::Name | QDir::IgnoreCase));
    reportListIndex();
}

void FileListBox::reportListIndex()
{
    const int index = listIndex();
    if (index == m_reportedIndex)
        return;
    m_reportedIndex = index;
    emit listIndexChanged(index);
}
