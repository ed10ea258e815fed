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
    : FolderListBox(parent)
{
    connect(this, &QListWidget::itemSelectionChanged, this, &FileListBox::reportListIndex);
    connect(&m_reader, &FolderReader::ready, this, &FileListBox::showNames);
    // One line each: the view need not measure twenty thousand names one by one.
    setUniformItemSizes(true);
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
    return nameOf(item(index));
}

int FileListBox::listIndex() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void FileListBox::fill()
{
    // What the last folder showed must not stay selectable while the next is read.
    startOver();
    reportListIndex();
    if (m_path.isEmpty())
        return;
    m_reader.read([folder = m_path, filters = nameFilters(m_pattern)] {
        return QDir(folder).entryList(filters, QDir::Files, QDir::Name | QDir::IgnoreCase);
    });
}

void FileListBox::showNames(const QStringList &names)
{
    startOver();
    addNames(names);
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
