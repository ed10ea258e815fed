// SPDX-License-Identifier: GPL-3.0-or-later
// DirListBox: the folder the user is in, its ancestors and its subfolders.
#include "DirListBox.h"

#include "FileSystemObject.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

constexpr int pathRole = Qt::UserRole;
constexpr int depthRole = Qt::UserRole + 1;
constexpr int indentPixels = 12;
// About 5 ms of measuring on a slow machine.
constexpr int layoutBatch = 500;

// Shifts each item right by its depth, so the list reads as a path.
class IndentDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() + indent(index));
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
    }

private:
    static int indent(const QModelIndex &index) { return index.data(depthRole).toInt() * indentPixels; }
};

QStringList foldersFromRoot(const QString &path)
{
    QStringList folders{path};
    for (QString parent = QFileInfo(path).path(); parent != folders.first(); parent = QFileInfo(parent).path())
        folders.prepend(parent);
    return folders;
}

} // namespace

DirListBox::DirListBox(QWidget *parent)
    : FolderListBox(parent)
{
    setItemDelegate(new IndentDelegate(this));
    // Items differ in width, so each is measured; in batches, each in its own
    // turn of the event loop, a folder of many thousand subfolders never holds the window.
    setLayoutMode(Batched);
    setBatchSize(layoutBatch);
    connect(this, &QAbstractItemView::doubleClicked, this, &DirListBox::open);
    connect(&m_reader, &FolderReader::ready, this, &DirListBox::showSubfolders);
}

QString DirListBox::path() const
{
    return QDir::toNativeSeparators(m_path);
}

bool DirListBox::setPath(const QString &folder)
{
    const QString path = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    if (!QFileInfo(path).isDir())
        return false;
    if (path == m_path)
        return true;
    m_path = path;
    fill();
    emit pathChanged();
    return true;
}

void DirListBox::refresh()
{
    if (m_path.isEmpty())
        return;
    QString folder = m_path;
    while (!QFileInfo(folder).isDir() && QFileInfo(folder).path() != folder)
        folder = QFileInfo(folder).path();
    if (folder == m_path || !setPath(folder))
        fill();
}

void DirListBox::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        open(currentIndex());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirListBox::open(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QString folder = index.data(pathRole).toString();
    if (setPath(folder))
        return;
    // The list shows what the folder holds, but the system reaches nothing
    // by a path that long: the folder stays listed, and the user hears why.
    if (FileSystemObject().unreachable(folder) == FileSystemObject::Unreachable::PathTooLong) {
        emit tooLongToOpen(QDir::toNativeSeparators(folder));
        return;
    }
    // A folder that went away since it was listed simply drops off the list.
    fill();
}

void DirListBox::fill()
{
    startOver();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QStringList above = foldersFromRoot(m_path);
    for (int depth = 0; depth < above.size(); ++depth) {
        const QString &folder = above.at(depth);
        QListWidgetItem *entry = depth == 0 ? addName(QDir::toNativeSeparators(folder), openIcon)
                                            : addName(QFileInfo(folder).fileName(), openIcon);
        entry->setData(pathRole, folder);
        entry->setData(depthRole, depth);
    }
    setCurrentItem(item(count() - 1));
    m_subfolderDepth = int(above.size());
    m_reader.read([folder = m_path] {
        return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    });
}

void DirListBox::showSubfolders(const QStringList &names)
{
    m_subfolderIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    addNames(names);
}

void DirListBox::dressItem(QListWidgetItem &entry, const QString &name)
{
    // Names still to come belong to the current folder: a new one starts the list over.
    entry.setIcon(m_subfolderIcon);
    entry.setData(pathRole, m_path.endsWith(u'/') ? m_path + name : m_path + u'/' + name);
    entry.setData(depthRole, m_subfolderDepth);
}
