// SPDX-License-Identifier: GPL-3.0-or-later
// FolderListBox: a list of what a folder holds, read without holding up the window.
#include "FolderListBox.h"

#include "Text.h"

#include <QPainter>

namespace {

constexpr int nameRole = Qt::UserRole + 10;

// About 10 ms of work on a slow machine.
constexpr qsizetype sliceSize = 2000;

} // namespace

FolderListBox::FolderListBox(QWidget *parent)
    : QListWidget(parent)
{
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    connect(&m_reader, &FolderReader::busyChanged, viewport(), qOverload<>(&QWidget::update));
    m_slices.setSingleShot(true);
    connect(&m_slices, &QTimer::timeout, this, &FolderListBox::addSlice);
}

QString FolderListBox::nameOf(const QListWidgetItem *entry)
{
    if (!entry)
        return QString();
    // Only a name that shows other than it is carries it apart.
    const QVariant name = entry->data(nameRole);
    return name.isValid() ? name.toString() : entry->text();
}

QListWidgetItem *FolderListBox::addName(const QString &name, const QIcon &icon)
{
    // Made whole before it joins the list: an item handed its list at birth
    // is looked for among all the others each time its text or icon is set.
    auto *entry = new QListWidgetItem(icon, VisibleName(name));
    markIfShownOtherwise(entry, name);
    addItem(entry);
    return entry;
}

void FolderListBox::addNames(const QStringList &names)
{
    m_pending += names;
    addSlice();
}

void FolderListBox::startOver()
{
    m_slices.stop();
    m_pending.clear();
    m_nextPending = 0;
    clear();
}

void FolderListBox::addSlice()
{
    const int first = count();
    const QStringList names = m_pending.mid(m_nextPending, sliceSize);
    m_nextPending += names.size();
    QStringList shown;
    shown.reserve(names.size());
    for (const QString &name : names)
        shown.append(VisibleName(name));
    addItems(shown);
    for (int i = 0; i < names.size(); ++i) {
        QListWidgetItem *entry = item(first + i);
        if (shown.at(i) != names.at(i))
            markIfShownOtherwise(entry, names.at(i));
        dressItem(*entry, names.at(i));
    }
    if (m_nextPending < m_pending.size()) {
        m_slices.start(0);
        return;
    }
    m_pending.clear();
    m_nextPending = 0;
    viewport()->update();
}

void FolderListBox::dressItem(QListWidgetItem &, const QString &)
{
}

void FolderListBox::markIfShownOtherwise(QListWidgetItem *entry, const QString &name)
{
    if (entry->text() == name)
        return;
    entry->setData(nameRole, name);
    entry->setToolTip(tr("This name begins or ends with a space, shown as \u2423, or holds a line break, shown as \u23CE, "
                          "or another control character, shown as \uFFFD."));
}

void FolderListBox::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    if (!reading())
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(viewport()->rect().adjusted(4, 4, -4, -4), Qt::AlignBottom | Qt::AlignHCenter,
                     tr("Reading the folder\u2026"));
}

void FolderListBox::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // QListView tells it even when the keyboard is elsewhere: the folders,
    // moved by a new place, would take the reader out of the list of places.
    if (hasFocus())
        QListWidget::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}
