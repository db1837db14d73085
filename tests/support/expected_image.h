#pragma once

#include "settings/config_image.h"

#include <algorithm>
#include <string>
#include <vector>

namespace orvik::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes bytes(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

// A literal's bytes, inner zeros included, without the closing zero.
template <std::size_t N> Bytes bytes(const char (&s)[N])
{
    return Bytes(s, s + N - 1);
}

inline void put(ConfigImage& image, int offset, const Bytes& b)
{
    std::copy(b.begin(), b.end(), image.begin() + offset);
}

// The image packed from the start-up defaults at 2023-11-14 22:13:20 UTC,
// written out by hand from the image layout, byte for byte.
inline ConfigImage expectedDefaultImage()
{
    ConfigImage expected{};
    put(expected, 0, {0x2C, 0x57, 0, 0}); // sum 22316
    put(expected, 4, {0xD5, 0x1C});       // stamp 7381
    put(expected, 6, bytes("v1.02"));
    put(expected, 14, bytes("NOCALL0"));
    put(expected, 22, bytes("5223.08N"));
    put(expected, 31, bytes("01658.14E"));
    put(expected, 42, {5});
    put(expected, 43, bytes("APXQ080"));
    put(expected, 50, {5, 0});
    put(expected, 52, bytes("Orvik 2.0 weather"));
    put(expected, 86, bytes("NOCALL"));
    put(expected, 103, bytes("60417"));
    put(expected, 152, {0xF4, 0x38}); // 14580
    put(expected, 186, {0xF4, 0x38});
    put(expected, 220, {0xF4, 0x38});
    put(expected, 352, {1});
    put(expected, 353, bytes("pool.ntp.org"));
    put(expected, 385, {0, 192, 168, 2, 2, 192, 168, 2, 1, 255, 255, 255, 0, 192, 168, 2, 1});
    put(expected, 402, {0xE7, 0x07, 11, 14, 22, 13});
    for (const int record : {408, 516, 624, 732, 840, 948, 1056, 1164})
        put(expected, record, bytes("APXQ080"));
    put(expected, 416, {5, 0});
    put(expected, 418, bytes("@<date>z<lat>/<long>-Orvik2.0"));
    put(expected, 1272, {80, 0});
    put(expected, 1274, bytes("admin"));
    put(expected, 1287, bytes("tokra"));
    put(expected, 1300, {23, 0, 0, 1, 1, 0, 1, 1, 0});
    put(expected, 1359, bytes("weatherstation.wunderground.com"));
    put(expected, 1399, bytes("rtupdate.wunderground.com"));
    put(expected, 1439, {0, 1, 5, 1});
    put(expected, 1443, bytes("END"));
    return expected;
}

} // namespace orvik::test
