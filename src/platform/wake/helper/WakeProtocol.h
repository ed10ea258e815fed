// SPDX-License-Identifier: GPL-3.0-or-later
// WakeProtocol: what the program and the wake helper say to each other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace WakeProtocol {

/// The longest line taken, without its line feed: eleven digits reach the year 5138.
inline constexpr std::size_t maxLength = 11;
/// How far ahead the program asks: at most a day and a daylight saving hour.
inline constexpr std::int64_t maxAheadSecs = 2 * 24 * 3600;
/// How far back a request may lie: one that crossed the second it names on its way.
inline constexpr std::int64_t maxBehindSecs = 3600;

struct Request {
    bool cancel = false;
    std::int64_t at = 0; ///< seconds since 1970-01-01 UTC
};

/**
 * Reads one line (without its line feed) that came from the program: the word
 * "cancel", or the second to wake the computer at, as decimal digits of
 * seconds since 1970 UTC, close to @p now. The line comes from outside a
 * privileged program, so anything else is refused: no sign, no spaces, no
 * other characters, no more than maxLength digits (so no overflow), nothing
 * outside the range the program ever asks for.
 */
inline std::optional<Request> parse(std::string_view line, std::int64_t now)
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
    if (at < now - maxBehindSecs || at > now + maxAheadSecs)
        return std::nullopt;
    return Request{false, at};
}

} // namespace WakeProtocol
