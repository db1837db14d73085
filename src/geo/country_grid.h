#pragma once

#include "geo/position.h"

#include <optional>

namespace orvik {

// Which country holds a point, from the grid of Natural Earth's 1:10m
// countries in resources/world.map (see scripts/make-world-map.py), read
// where it lies: a cell's edges are decoded only when a point falls near it.
class CountryGrid {
public:
    // The grid's bytes, from its start to `end`; they must outlive it.
    CountryGrid(const char* begin, const char* end);

    // The country whose land holds `point`, to the hundredth of a minute;
    // else, the country of the nearest land within kCoastReachKm on the
    // sphere, since coastlines are drawn kilometres off at this scale;
    // nothing farther out at sea.
    [[nodiscard]] std::optional<int> countryAt(GeoPoint point) const;

    static constexpr double kCoastReachKm = 20;

    // The byte after the grid's.
    const char* end() const { return end_; }

private:
    struct Point {
        qint64 x; // east, in hundredths of a minute
        qint64 y; // north
    };
    template <typename Edge> std::optional<int> forEachEdge(int column, int row, Edge&& edge) const;
    std::optional<int> landAt(Point p) const;
    std::optional<int> nearestCoast(Point p) const;

    const char* blocks_;
    const char* end_;
    const char* offsets_;
};

} // namespace orvik
