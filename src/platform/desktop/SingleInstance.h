// SPDX-License-Identifier: GPL-3.0-or-later
// SingleInstance: one running copy of the program per settings folder.
#pragma once

#include <QLockFile>
#include <QObject>

/**
 * Two copies that watch the same settings would both open the file at the
 * alarm second. The copy that runs holds a lock named after its settings
 * folder; a copy started later finds the lock held, rings the running one
 * to show its window, and ends. A lock left by a copy that crashed or was
 * killed is taken over, since the process that held it is gone.
 */
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    /// Whether this copy is the one to run.
    enum class Claim {
        Running,     ///< this copy runs; no other does
        OtherShown,  ///< another copy runs and was asked to show its window
        OtherSilent, ///< another copy holds the lock but did not answer
    };

    explicit SingleInstance(const QString &settingsFolder, QObject *parent = nullptr);

    /// Takes the lock, or rings the copy that holds it, waiting up to @p waitMs for it to answer.
    Claim claim(int waitMs = 10'000);

signals:
    /// A later copy asked this one to show its window.
    void showRequested();

private:
    // Each system rings in its own way; these live in SingleInstance_<system>.cpp.
    static QString lockFile(const QString &key);
    bool ring(int waitMs);
    void answerRings();

    const QString m_key;
    QLockFile m_lock;
};
