// SPDX-License-Identifier: GPL-3.0-or-later
// WakeProtocol: what the program and the wake helper say to each other, written and read by both.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

/**
 * One line at a time over pipes. The helper greets with its standing (Ready,
 * or Cannot and why); then the program sends requests, each a wake-up second
 * or "cancel", and the helper answers each with one line. A line the helper
 * does not accept is answered Refused and ends it.
 */
namespace WakeProtocol {

/// The longest request taken, without its line feed: eleven digits reach the year 5138.
inline constexpr std::size_t maxLength = 11;
/// The nearest a wake-up may lie ahead. An alarm timer less than 2 s away
/// makes the kernel refuse to suspend, so re-arming a nearer one over and
/// over would keep the computer from sleeping at all.
inline constexpr std::int64_t minAheadSecs = 5;
/// The furthest the program asks ahead: a day and a daylight saving hour.
inline constexpr std::int64_t maxAheadSecs = 25 * 3600;
/// What the program leaves for its line to reach the helper.
inline constexpr std::int64_t transitSecs = 2;
/// The longest reason a Failed answer carries.
inline constexpr std::size_t maxReasonLength = 200;

struct Request {
    bool cancel = false;
    std::int64_t at = 0; ///< seconds since 1970-01-01 UTC
};

/// Why the helper cannot set a timer for its caller.
enum class Obstacle {
    NoCapability,    ///< the helper was not given cap_wake_alarm
    NoNewPrivileges, ///< started with no_new_privs set, so its capability was never granted
    NotAtSeat,       ///< the caller is not in a local session at a seat
};

struct Answer {
    enum class Kind {
        Ready,   ///< the greeting: requests will be served
        Done,    ///< the timer is set, or cancelled
        Cannot,  ///< the greeting or an answer: see obstacle
        Failed,  ///< the system refused, for reason
        Refused, ///< the line was not accepted; the helper ends
    };
    Kind kind = Kind::Refused;
    Obstacle obstacle = Obstacle::NoCapability;
    std::string reason;
};

/**
 * The request that wakes the computer at @p at (seconds since 1970 UTC) when
 * it is @p now, as the program sends it; none where the helper would refuse
 * it on arrival: nearer than minAheadSecs (with transitSecs to spare, and an
 * awake computer needs no waking that soon) or further than maxAheadSecs.
 */
inline std::optional<Request> requestFor(std::int64_t at, std::int64_t now)
{
    if (at - now < minAheadSecs + transitSecs || at - now > maxAheadSecs)
        return std::nullopt;
    return Request{false, at};
}

inline std::string format(const Request &request)
{
    return request.cancel ? std::string("cancel") : std::to_string(request.at);
}

/**
 * Reads one line (without its line feed) that came from the program, when it
 * is @p now. The line comes from outside a privileged program, so anything
 * but "cancel" or at most maxLength decimal digits is refused (no sign, no
 * spaces, no overflow), and so is a second outside the reach above.
 */
inline std::optional<Request> parseRequest(std::string_view line, std::int64_t now)
{
    if (line == "cancel")
        return Request{true, 0};
    if (line.empty() || line.size() > maxLength)
        return std::nullopt;
    std::int64_t at = 0;
    for (const char digit : line) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        at = at * 10 + (digit - '0');
    }
    if (at - now < minAheadSecs || at - now > maxAheadSecs)
        return std::nullopt;
    return Request{false, at};
}

inline constexpr std::string_view obstacleWords[] = {"no-capability", "no-new-privs", "not-at-seat"};

inline std::string format(const Answer &answer)
{
    switch (answer.kind) {
    case Answer::Kind::Ready:
        return "ready";
    case Answer::Kind::Done:
        return "ok";
    case Answer::Kind::Cannot:
        return "cannot " + std::string(obstacleWords[int(answer.obstacle)]);
    case Answer::Kind::Failed:
        return "error " + answer.reason.substr(0, maxReasonLength);
    case Answer::Kind::Refused:
        break;
    }
    return "refused";
}

/// Reads one line (without its line feed) that came from the helper; none if it says nothing known.
inline std::optional<Answer> parseAnswer(std::string_view line)
{
    if (line == "ready")
        return Answer{Answer::Kind::Ready, {}, {}};
    if (line == "ok")
        return Answer{Answer::Kind::Done, {}, {}};
    if (line == "refused")
        return Answer{Answer::Kind::Refused, {}, {}};
    if (line.substr(0, 6) == "error ")
        return Answer{Answer::Kind::Failed, {}, std::string(line.substr(6, maxReasonLength))};
    if (line.substr(0, 7) == "cannot ") {
        for (std::size_t i = 0; i < std::size(obstacleWords); ++i) {
            if (line.substr(7) == obstacleWords[i])
                return Answer{Answer::Kind::Cannot, Obstacle(i), {}};
        }
    }
    return std::nullopt;
}

} // namespace WakeProtocol
