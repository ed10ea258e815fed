// SPDX-License-Identifier: GPL-3.0-or-later
// dorvane-wake: holds Dorvane's wake-up timer, lending its one capability only to whom the system would grant it.
//
// Installed with the capability cap_wake_alarm in its permitted set alone.
// It raises it just around the two calls that need it, so everything it
// reads is handled without privilege. Any account can start it, so it serves
// only a caller the system would give the capability itself (see
// mayServeCaller) and only wake-ups the program could ask for (WakeProtocol.h).
// It greets on its standard output, reads requests from Dorvane on its
// standard input, answers each, and ends when its input ends, which is when
// Dorvane ends: its one timer goes with it. Anything it does not accept is
// answered "refused" and ends it.
#include "WakeProtocol.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/timerfd.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

using WakeProtocol::Answer;
using WakeProtocol::Obstacle;

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

bool wakeCapabilityPermitted()
{
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    return syscall(SYS_capget, &header, data) == 0
        && (data[CAP_TO_INDEX(CAP_WAKE_ALARM)].permitted & CAP_TO_MASK(CAP_WAKE_ALARM)) != 0;
}

#ifdef DORVANE_WAKE_TESTABLE
// Only the tests' own build of the helper reads the system's state from a
// folder of their making; the installed helper has no such seam.
std::string systemPath(const std::string &path)
{
    const char *root = std::getenv("DORVANE_WAKE_TEST_ROOT");
    return (root ? std::string(root) : std::string()) + path;
}
#else
std::string systemPath(const std::string &path)
{
    return path;
}
#endif

/// At most 8 KB of the file at @p path; empty when it cannot be read.
std::string readSmallFile(const std::string &path)
{
    const int file = open(systemPath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (file < 0)
        return {};
    std::string text(8192, '\0');
    std::size_t length = 0;
    for (ssize_t got = 0; length < text.size() && (got = read(file, text.data() + length, text.size() - length)) > 0;)
        length += std::size_t(got);
    close(file);
    text.resize(length);
    return text;
}

/// The value of the line KEY=value in @p text; empty when there is none.
std::string_view valueOf(std::string_view text, std::string_view key)
{
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        if (line.size() > key.size() && line.substr(0, key.size()) == key && line[key.size()] == '=')
            return line.substr(key.size() + 1);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return {};
}

/// The systemd unit this process runs in: the first part of its control group below the slices.
std::string callerUnit()
{
    const std::string groups = readSmallFile("/proc/self/cgroup");
    // Under cgroup v2 the line "0::/user.slice/..."; under v1, that of systemd's
    // own hierarchy, "N:name=systemd:/user.slice/...".
    std::string_view path;
    for (std::string_view rest = groups; !rest.empty() && path.size() <= 1;) {
        const std::string_view line = rest.substr(0, rest.find('\n'));
        rest.remove_prefix(std::min(line.size() + 1, rest.size()));
        const std::size_t first = line.find(':'), second = line.find(':', first + 1);
        if (second == std::string_view::npos)
            continue;
        const std::string_view controllers = line.substr(first + 1, second - first - 1);
        if (controllers == "name=systemd" || (line.substr(0, first) == "0" && controllers.empty()))
            path = line.substr(second + 1);
    }
    while (path.size() > 1 && path.front() == '/') {
        path.remove_prefix(1);
        const std::string_view part = path.substr(0, path.find('/'));
        if (!part.ends_with(".slice"))
            return std::string(part);
        path.remove_prefix(part.size());
    }
    return {};
}

bool isIdentifier(std::string_view text)
{
    for (const char c : text) {
        if (!(c >= '0' && c <= '9') && !(c >= 'a' && c <= 'z') && !(c >= 'A' && c <= 'Z'))
            return false;
    }
    return !text.empty();
}

/**
 * Whether the caller may have its timer set. Root holds the capability
 * anyway. Where systemd-logind keeps sessions, the system itself grants the
 * capability (systemd 254 and later) only to the processes of local sessions
 * at a seat and to the user manager of a user logged in at one, so the
 * helper serves the same: a caller in its own session's scope whose session
 * has a seat, is not remote and not closing; or a caller under its own user
 * manager (user@UID.service: GNOME and KDE start applications in scopes
 * there, not in the session) while that user has a session at a seat. An ssh
 * login, a cron job or a service is refused. Without logind (no seat0) there
 * is no such distinction, and every caller is served. The control group
 * cannot be forged: session scopes belong to root, and what a user may make
 * below their user manager is read as the user manager's; a namespace of the
 * caller's making would cost the helper its capability.
 */
bool mayServeCaller()
{
    if (getuid() == 0)
        return true;
    const std::string uid = std::to_string(getuid());
    const std::string unit = callerUnit();
    const std::string_view sessionPrefix = "session-", scopeSuffix = ".scope";
    if (unit.size() > sessionPrefix.size() + scopeSuffix.size() && unit.starts_with(sessionPrefix) && unit.ends_with(scopeSuffix)) {
        const std::string id = unit.substr(sessionPrefix.size(), unit.size() - sessionPrefix.size() - scopeSuffix.size());
        if (!isIdentifier(id))
            return false;
        const std::string session = readSmallFile("/run/systemd/sessions/" + id);
        return valueOf(session, "UID") == uid && !valueOf(session, "SEAT").empty() && valueOf(session, "REMOTE") != "1"
            && valueOf(session, "STATE") != "closing";
    }
    if (unit == "user@" + uid + ".service")
        return !valueOf(readSmallFile("/run/systemd/users/" + uid), "ONLINE_SEATS").empty();
    return access(systemPath("/run/systemd/seats/seat0").c_str(), F_OK) != 0;
}

void send(const Answer &answer)
{
    std::fputs((WakeProtocol::format(answer) + '\n').c_str(), stdout);
    std::fflush(stdout);
}

} // namespace

int main()
{
    // Set before it started (by a sandbox, or a service's NoNewPrivileges=),
    // no_new_privs kept the system from granting the file's capability.
    const bool startedWithoutNewPrivileges = prctl(PR_GET_NO_NEW_PRIVS, 0, 0, 0, 0) == 1;
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || !lowerCapability())
        return 1;
    const bool mayWake = wakeCapabilityPermitted();
    const bool fileHasCapability = getxattr("/proc/self/exe", "security.capability", nullptr, 0) > 0;
    const auto obstacle = [&]() -> std::optional<Obstacle> {
        if (!mayWake)
            return startedWithoutNewPrivileges && fileHasCapability ? Obstacle::NoNewPrivileges : Obstacle::NoCapability;
        if (!mayServeCaller())
            return Obstacle::NotAtSeat;
        return std::nullopt;
    };
    const std::optional<Obstacle> standing = obstacle();
    send(standing ? Answer{Answer::Kind::Cannot, *standing, {}} : Answer{Answer::Kind::Ready, {}, {}});

    // A timer disarmed by the kernel still shows its old time in /proc, so a
    // cancelled one is closed, and made afresh for the next request.
    int timer = -1;
    // Room for the longest line, its line feed and the terminating zero.
    char line[WakeProtocol::maxLength + 2];
    while (std::fgets(line, sizeof line, stdin)) {
        // No line feed: too long, cut short by the end of input, or holding a zero byte.
        const std::size_t length = std::strlen(line);
        const auto request = length > 0 && line[length - 1] == '\n'
            ? WakeProtocol::parseRequest(std::string_view(line, length - 1), std::time(nullptr))
            : std::nullopt;
        if (!request) {
            send(Answer{Answer::Kind::Refused, {}, {}});
            return 2;
        }
        const std::optional<Obstacle> now = request->cancel ? std::nullopt : obstacle();
        if (request->cancel || now) {
            if (timer >= 0)
                close(timer);
            timer = -1;
            send(now ? Answer{Answer::Kind::Cannot, *now, {}} : Answer{Answer::Kind::Done, {}, {}});
            continue;
        }
        itimerspec value = {};
        value.it_value.tv_sec = time_t(request->at);
        holdWakeCapability(true);
        const bool made = timer >= 0 || (timer = timerfd_create(CLOCK_REALTIME_ALARM, TFD_CLOEXEC)) >= 0;
        const int set = made ? timerfd_settime(timer, TFD_TIMER_ABSTIME, &value, nullptr) : -1;
        const int error = errno;
        if (!lowerCapability())
            return 1;
        if (set == 0)
            send(Answer{Answer::Kind::Done, {}, {}});
        else
            send(Answer{Answer::Kind::Failed, {},
                        std::string(made ? "cannot set the wake-up timer: " : "cannot make a wake-up timer: ") + std::strerror(error)});
    }
    return 0;
}
