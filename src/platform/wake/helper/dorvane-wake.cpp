// SPDX-License-Identifier: GPL-3.0-or-later
// dorvane-wake: holds Dorvane's wake-up timer where Dorvane itself may not set one.
//
// Installed with the capability cap_wake_alarm and nothing else. It keeps that
// capability only in its permitted set, raising it just around the two calls
// that need it, so everything it reads is handled without privilege. It reads
// lines from Dorvane on its standard input (see WakeProtocol.h), answers each
// on its standard output with "ok" or "error <why>", and ends when its input
// ends, which is when Dorvane ends: its one timer goes with it. Anything it
// does not accept is answered "refused" and ends it.
#include "WakeProtocol.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

/// Keeps CAP_WAKE_ALARM permitted, effective only when @p effective; drops every other capability.
bool holdWakeCapability(bool effective)
{
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    data[CAP_TO_INDEX(CAP_WAKE_ALARM)].permitted = CAP_TO_MASK(CAP_WAKE_ALARM);
    if (effective)
        data[CAP_TO_INDEX(CAP_WAKE_ALARM)].effective = CAP_TO_MASK(CAP_WAKE_ALARM);
    return syscall(SYS_capset, &header, data) == 0;
}

/// Drops every capability; false only when even that fails.
bool dropCapabilities()
{
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    return syscall(SYS_capset, &header, data) == 0;
}

/// Leaves the capability in its permitted set only; without it there, leaves none at all.
bool lowerCapability()
{
    return holdWakeCapability(false) || dropCapabilities();
}

void answer(const std::string &line)
{
    std::fputs((line + '\n').c_str(), stdout);
    std::fflush(stdout);
}

} // namespace

int main()
{
    prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0);
    if (!lowerCapability())
        return 1;

    // A timer disarmed by the kernel still shows its old time in /proc, so a
    // cancelled one is closed, and made afresh for the next request.
    int timer = -1;
    // Room for the longest line, its line feed and the terminating zero.
    char line[WakeProtocol::maxLength + 2];
    while (std::fgets(line, sizeof line, stdin)) {
        // No line feed: too long, cut short by the end of input, or holding a zero byte.
        const std::size_t length = std::strlen(line);
        if (length == 0 || line[length - 1] != '\n') {
            answer("refused");
            return 2;
        }
        const auto request = WakeProtocol::parse(std::string_view(line, length - 1), std::time(nullptr));
        if (!request) {
            answer("refused");
            return 2;
        }
        if (request->cancel) {
            if (timer >= 0)
                close(timer);
            timer = -1;
            answer("ok");
            continue;
        }
        itimerspec value = {};
        value.it_value.tv_sec = time_t(request->at);
        // Without the capability granted this fails, and so do the calls below.
        holdWakeCapability(true);
        const bool made = timer >= 0 || (timer = timerfd_create(CLOCK_REALTIME_ALARM, TFD_CLOEXEC)) >= 0;
        const int set = made ? timerfd_settime(timer, TFD_TIMER_ABSTIME, &value, nullptr) : -1;
        const int error = errno;
        if (!lowerCapability())
            return 1;
        if (!made) {
            answer(error == EPERM ? "error not permitted to set wake-up timers: the helper lacks the capability cap_wake_alarm"
                                  : std::string("error cannot make a wake-up timer: ") + std::strerror(error));
            return 1;
        }
        answer(set == 0 ? std::string("ok") : std::string("error cannot set the wake-up timer: ") + std::strerror(error));
    }
    return 0;
}
