// SPDX-License-Identifier: GPL-3.0-or-later
// WaitableTimer: the Windows timer that resumes a sleeping computer, with the system call behind a seam.
#include "WaitableTimer_win.h"

namespace {

// From 1601-01-01 to 1970-01-01, in milliseconds.
constexpr qint64 msecsFrom1601To1970 = 11'644'473'600'000LL;

} // namespace

WaitableTimer::WaitableTimer(SystemCall call)
    : m_call(std::move(call))
{
    if (m_call)
        return;
    // Manual reset: the timer only has to fire, nobody waits on it.
    m_handle = CreateWaitableTimerW(nullptr, TRUE, nullptr);
    const DWORD createError = m_handle ? ERROR_SUCCESS : GetLastError();
    m_call = [handle = m_handle, createError](const LARGE_INTEGER *due, BOOL resume) {
        if (!handle)
            return Answer{false, createError};
        SetLastError(ERROR_SUCCESS);
        const BOOL done = due ? SetWaitableTimer(handle, due, 0, nullptr, nullptr, resume) : CancelWaitableTimer(handle);
        return Answer{done != FALSE, GetLastError()};
    };
}

WaitableTimer::~WaitableTimer()
{
    if (m_handle)
        CloseHandle(m_handle);
}

LARGE_INTEGER WaitableTimer::dueTime(const QDateTime &moment)
{
    LARGE_INTEGER due;
    due.QuadPart = (moment.toMSecsSinceEpoch() + msecsFrom1601To1970) * 10'000;
    return due;
}

QString WaitableTimer::setFor(const QDateTime &moment)
{
    if (!moment.isValid()) {
        m_call(nullptr, FALSE);
        return QString();
    }
    const LARGE_INTEGER due = dueTime(moment);
    const Answer answer = m_call(&due, TRUE);
    // The timer is set even so, but it will not resume the computer.
    if (answer.error == ERROR_NOT_SUPPORTED)
        return tr("this computer does not support waking by timer");
    if (!answer.done)
        return tr("Windows refused the wake-up timer (%1)").arg(qt_error_string(int(answer.error)));
    return QString();
}
