// SPDX-License-Identifier: GPL-3.0-or-later
// SystemStayAwake: on Windows a power request that keeps the system running.
#include "SystemStayAwake.h"

#include "WakeLog.h"

#include <string>

#include <windows.h>

// A power request rather than SetThreadExecutionState: the same hold, but
// with the reason that powercfg /requests shows, and not bound to the
// thread that asked.
struct SystemStayAwake::Private {
    HANDLE request = nullptr;
};

SystemStayAwake::SystemStayAwake()
    : d(std::make_unique<Private>())
{
}

SystemStayAwake::~SystemStayAwake()
{
    release();
}

void SystemStayAwake::hold(const QString &why)
{
    if (d->request)
        return;
    std::wstring reason = why.toStdWString();
    REASON_CONTEXT context = {};
    context.Version = POWER_REQUEST_CONTEXT_VERSION;
    context.Flags = POWER_REQUEST_CONTEXT_SIMPLE_STRING;
    context.Reason.SimpleReasonString = reason.data();
    const HANDLE request = PowerCreateRequest(&context);
    if (request == INVALID_HANDLE_VALUE || !request) {
        qCWarning(lcWake).noquote() << "nothing keeps the computer awake at the alarm:" << qt_error_string(int(GetLastError()));
        return;
    }
    if (!PowerSetRequest(request, PowerRequestSystemRequired)) {
        qCWarning(lcWake).noquote() << "nothing keeps the computer awake at the alarm:" << qt_error_string(int(GetLastError()));
        CloseHandle(request);
        return;
    }
    d->request = request;
    qCInfo(lcWake) << "holding the computer awake";
}

void SystemStayAwake::release()
{
    if (!d->request)
        return;
    PowerClearRequest(d->request, PowerRequestSystemRequired);
    CloseHandle(d->request);
    d->request = nullptr;
    qCInfo(lcWake) << "letting the computer sleep again";
}
