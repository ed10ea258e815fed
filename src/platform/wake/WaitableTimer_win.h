// SPDX-License-Identifier: GPL-3.0-or-later
// WaitableTimer: the Windows timer that resumes a sleeping computer, with the system call behind a seam.
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <functional>

#include <windows.h>

/// One waitable timer that resumes the computer when it comes due.
class WaitableTimer
{
    Q_DECLARE_TR_FUNCTIONS(WaitableTimer)

public:
    /// What a call to the system answered: whether it succeeded, and GetLastError() after it.
    struct Answer {
        bool done = false;
        DWORD error = ERROR_SUCCESS;
    };

    /**
     * Sets the timer for the absolute due time @p due, resuming the computer
     * when @p resume, or cancels it when @p due is null.
     */
    using SystemCall = std::function<Answer(const LARGE_INTEGER *due, BOOL resume)>;

    /// A timer of the system's own, or @p call standing in for it in tests.
    explicit WaitableTimer(SystemCall call = {});
    ~WaitableTimer();
    WaitableTimer(const WaitableTimer &) = delete;
    WaitableTimer &operator=(const WaitableTimer &) = delete;

    /// Sets the timer for @p moment, or cancels it when @p moment is invalid;
    /// why the computer will not wake then, or empty.
    QString setFor(const QDateTime &moment);

    /// @p moment as an absolute due time: 100 ns intervals since 1601-01-01 UTC.
    static LARGE_INTEGER dueTime(const QDateTime &moment);

private:
    HANDLE m_handle = nullptr;
    SystemCall m_call;
};
