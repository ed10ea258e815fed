// SPDX-License-Identifier: GPL-3.0-or-later
// SingleInstance: one running copy of the program per settings folder.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QDeadlineTimer;

/**
 * Two copies that watch the same settings would both open the file at the
 * alarm second. The copy that runs holds a lock that belongs to its settings
 * folder, the folder on disk however it is named; a copy started later finds
 * the lock held, rings the running one to show its window, and ends once it
 * answers. A lock held by a copy that crashed or was killed goes with it.
 */
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    /// Whether this copy is the one to run.
    enum class Claim {
        Running,     ///< this copy runs; no other does
        Unguarded,   ///< this copy runs, but the lock could not be made: see problem()
        OtherShown,  ///< another copy runs and answered that it showed its window
        OtherSilent, ///< another copy holds the lock but did not answer
    };
    Q_ENUM(Claim)

    /// Why the lock could not be made.
    struct Problem {
        QString path;   ///< what could not be locked
        QString reason; ///< the system's reason
    };

    explicit SingleInstance(const QString &settingsFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    /// Takes the lock, or rings the copy that holds it, waiting up to @p waitMs for it to answer.
    Claim claim(int waitMs = 10'000);

    /// After Claim::Unguarded: why no other copy could be ruled out.
    Problem problem() const { return m_problem; }

signals:
    /// A later copy asked this one to show its window.
    void showRequested();

private:
    enum class Lock { Taken, Held, Unavailable };

    // Each system locks and rings in its own way; these live in SingleInstance_<system>.cpp.
    struct System;
    Lock takeLock();
    bool ring(const QDeadlineTimer &deadline);
    void answerRings();

    const QString m_settingsFolder;
    std::unique_ptr<System> m_system;
    Problem m_problem;
};
