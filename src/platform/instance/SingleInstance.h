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
 *
 * Only the user's own copies count: an answer from another account's process
 * is not believed, and a lock that another account holds (or a settings
 * folder that belongs to one) does not keep this copy from running; it runs
 * and says why it could not rule out another copy.
 */
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    /// Whether this copy is the one to run.
    enum class Claim {
        Running,     ///< this copy runs; no other does
        Unguarded,   ///< this copy runs, but the lock could not be made or is another's: see problem()
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
    enum class Lock {
        Taken,
        Held,        // by one of this user's copies, or by a holder that cannot be told
        Foreign,     // another account holds it or owns the folder: see m_problem
        Unavailable, // see m_problem
    };
    enum class Ring {
        Shown,  // a copy of this user's answered that its window came forward
        Silent, // a copy of this user's took the call but did not answer, or none can be told apart
        NoCopy, // no copy of this user's keeps a doorbell for these settings
    };

    // Each system locks and rings in its own way; these live in SingleInstance_<system>.cpp.
    struct System;
    Lock takeLock();
    Ring ring(const QDeadlineTimer &deadline);
    void answerRings();
    // Moves the lock and the doorbell to a settings folder made anew since the claim.
    void followFolder();

    const QString m_settingsFolder;
    std::unique_ptr<System> m_system;
    Problem m_problem;
};
