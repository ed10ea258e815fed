// SPDX-License-Identifier: GPL-3.0-or-later
// DirListBox: the folder the user is in, its ancestors and its subfolders.
#include "DirListBox.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

constexpr int pathRole = Qt::UserRole;
constexpr int depthRole = Qt::UserRole + 1;
constexpr int indentPixels = 12;

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
    : QListWidget(parent)
{
    setItemDelegate(new IndentDelegate(this));
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    connect(this, &QAbstractItemView::doubleClicked, this, &DirListBox::open);
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
    // A folder that went away since it was listed simply drops off the list.
    if (index.isValid() && !setPath(index.data(pathRole).toString()))
        fill();
}

void DirListBox::fill()
{
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QStringList above = foldersFromRoot(m_path);
    for (int depth = 0; depth < above.size(); ++depth) {
        const QString &folder = above.at(depth);
        const QString name = depth == 0 ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName();
        auto *entry = new QListWidgetItem(openIcon, name, this);
        entry->setData(pathRole, folder);
        entry->setData(depthRole, depth);
    }
    QListWidgetItem *current = item(count() - 1);

    const QFileInfoList subfolders =
        QDir(m_path).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &subfolder : subfolders) {
        auto *entry = new QListWidgetItem(closedIcon, subfolder.fileName(), this);
        entry->setData(pathRole, subfolder.absoluteFilePath());
        entry->setData(depthRole, int(above.size()));
    }
    setCurrentItem(current);
}
