#pragma once

#include <cstdint>
#include <functional>

namespace orvik {

// Seconds since 1970-01-01 00:00 UTC. Injected so tests can stand at any moment.
using Clock = std::function<std::int64_t()>;

std::int64_t systemNow();

struct UtcTime {
    int year;
    int month; // 1..12
    int day;   // 1..31
    int hour;
    int minute;
};

UtcTime toUtc(std::int64_t secondsSinceEpoch);

} // namespace orvik
