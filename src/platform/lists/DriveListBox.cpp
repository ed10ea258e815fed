// SPDX-License-Identifier: GPL-3.0-or-later
// DriveListBox: a drop-down list of the places to browse from.
#include "DriveListBox.h"

#include "Text.h"

#include <QDir>
#include <QSignalBlocker>

namespace {

// Labels are cut as what a file held is in the main window's notices; folders as paths are.
constexpr qsizetype labelLength = 60;

} // namespace

DriveListBox::DriveListBox(QWidget *parent)
    : QComboBox(parent)
{
    // Choosing the place already shown must still take the user back to its
    // root, so every choice counts, not only a change of index.
    connect(this, &QComboBox::activated, this, &DriveListBox::driveChanged);
}

void DriveListBox::setPlaces(const QList<Places::Place> &places)
{
    const QSignalBlocker blocker(this);
    m_places = places;
    clear();
    for (const Places::Place &place : places) {
        // A disk's label, and the folder named after it, may hold line breaks or direction marks.
        const QString root = ForNotice(VisibleName(QDir::toNativeSeparators(place.root)));
        addItem(place.name.isEmpty() ? root
                                     : QStringLiteral("%1 [%2]").arg(root, ForNotice(VisibleName(place.name), labelLength)));
    }
}

QString DriveListBox::drive() const
{
    const int index = currentIndex();
    if (index < 0 || index >= m_places.size())
        return QString();
    return QDir::toNativeSeparators(m_places.at(index).root);
}

void DriveListBox::showPlaceOf(const QString &folder)
{
    // activated(), and with it driveChanged(), comes from the user alone; the
    // change of item is still told, so that a screen reader's text follows it.
    setCurrentIndex(int(Places::indexHolding(m_places, folder)));
}
