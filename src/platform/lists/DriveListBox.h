// SPDX-License-Identifier: GPL-3.0-or-later
// DriveListBox: a drop-down list of the places to browse from.
#pragma once

#include "Places.h"

#include <QComboBox>

/// Offers the places it is given; the user picks one to browse from.
class DriveListBox : public QComboBox
{
    Q_OBJECT

public:
    /// Empty until setPlaces().
    explicit DriveListBox(QWidget *parent = nullptr);

    /**
     * Shows each place's folder and label as names from outside are shown:
     * control characters and direction marks as visible symbols, spaces at
     * either end as "␣", and the middle of a long one left out.
     */
    void setPlaces(const QList<Places::Place> &places);

    /// The chosen place's folder, in the system's notation; empty when there is none.
    QString drive() const;

    /// Shows the place that holds @p folder, without raising driveChanged().
    void showPlaceOf(const QString &folder);

signals:
    /// The user chose a place, even the one already shown.
    void driveChanged();

private:
    QList<Places::Place> m_places;
};
