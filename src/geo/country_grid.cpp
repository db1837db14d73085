#include "geo/country_grid.h"

#include "geo/map_bytes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

namespace orvik {

namespace {

constexpr qint64 kPerDegree = 6000;
constexpr qint64 kTurn = 360 * kPerDegree;
// The grid's cells are a degree square; its points are in tenths of a
// minute; the point whose country a block tells lies here from its cell's
// south-west corner, where no edge passes.
constexpr qint64 kCell = kPerDegree;
constexpr qint64 kStep = 10;
constexpr qint64 kCentreX = 3001;
constexpr qint64 kCentreY = 3003;
constexpr int kColumns = 360;
constexpr int kRows = 180;
constexpr double kEarthRadiusKm = 6371.0;

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

// Twice the signed area of abc: positive when c lies left of a→b.
template <typename P> qint64 orient(const P& a, const P& b, const P& c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

// The segment c→p crosses edge a–b, counted so that each crossing is told
// once where edges meet: a point on the line c→p counts as right of it, and
// p on the edge as left of it taken in a fixed direction, the same for the
// two countries on either side.
template <typename P> bool crosses(const P& c, const P& p, P a, P b)
{
    if ((orient(c, p, a) > 0) == (orient(c, p, b) > 0))
        return false;
    if (std::tie(b.x, b.y) < std::tie(a.x, a.y))
        std::swap(a, b);
    return (orient(a, b, c) > 0) != (orient(a, b, p) >= 0);
}

struct Vector {
    double x, y, z;
};

Vector cross(const Vector& a, const Vector& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double dot(const Vector& a, const Vector& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

double length(const Vector& a)
{
    return std::sqrt(dot(a, a));
}

Vector unitVector(qint64 x, qint64 y)
{
    constexpr double kRadians = std::numbers::pi / 180 / kPerDegree;
    const double lon = x * kRadians;
    const double lat = y * kRadians;
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

double angle(const Vector& a, const Vector& b)
{
    return std::atan2(length(cross(a, b)), dot(a, b));
}

// The angle from p to the great-circle arc a–b.
double angleToArc(const Vector& p, const Vector& a, const Vector& b)
{
    const Vector normal = cross(a, b);
    const double n = length(normal);
    if (n > 1e-12 && dot(cross(a, p), normal) > 0 && dot(cross(p, b), normal) > 0)
        return std::asin(std::min(1.0, std::abs(dot(p, normal)) / n));
    return std::min(angle(p, a), angle(p, b));
}

} // namespace

CountryGrid::CountryGrid(const char* begin, const char* end) : end_(end)
{
    MapBytes in(begin, end);
    [[maybe_unused]] const auto columns = in.number<quint16>();
    [[maybe_unused]] const auto rows = in.number<quint16>();
    Q_ASSERT(columns == kColumns && rows == kRows);
    offsets_ = in.position();
    blocks_ = offsets_ + sizeof(quint32) * kColumns * kRows;
}

// Calls edge(country, a, b) for each edge of the cell, in hundredths of a
// minute, and returns the country at the cell's centre.
template <typename Edge>
std::optional<int> CountryGrid::forEachEdge(int column, int row, Edge&& edge) const
{
    const auto offset =
        qFromBigEndian<quint32>(offsets_ + sizeof(quint32) * (row * kColumns + column));
    MapBytes in(blocks_ + offset, end_);
    const quint64 atCentre = in.count(); // + 1; 0 at sea
    const qint64 left = (column - 180) * kCell;
    const qint64 bottom = (row - 90) * kCell;
    for (quint64 chains = in.count(); chains > 0; --chains) {
        const int country = static_cast<int>(in.count());
        Point a{left, bottom};
        for (quint64 i = in.count(), first = i; i > 0; --i) {
            const Point b{a.x + in.step() * kStep, a.y + in.step() * kStep};
            if (i != first)
                edge(country, a, b);
            a = b;
        }
    }
    return atCentre ? std::optional(static_cast<int>(atCentre - 1)) : std::nullopt;
}

std::optional<int> CountryGrid::landAt(Point p) const
{
    const int column =
        static_cast<int>((floorDiv(p.x, kCell) + 180) % kColumns + kColumns) % kColumns;
    const int row = static_cast<int>(std::clamp<qint64>(floorDiv(p.y, kCell) + 90, 0, kRows - 1));
    const qint64 left = (column - 180) * kCell;
    // The point as the cell's edges lie: 180° E is 180° W.
    p.x = left + ((p.x - left) % kTurn + kTurn) % kTurn;
    const Point centre{left + kCentreX, (row - 90) * kCell + kCentreY};

    // The countries that hold p: the one that holds the centre, changed by
    // each edge between (a country's holes are rings too).
    std::vector<int> inside;
    const auto toggle = [&inside](int country) {
        const auto found = std::find(inside.begin(), inside.end(), country);
        if (found == inside.end())
            inside.push_back(country);
        else
            inside.erase(found);
    };
    const std::optional<int> atCentre =
        forEachEdge(column, row, [&](int country, const Point& a, const Point& b) {
            if (crosses(centre, p, a, b))
                toggle(country);
        });
    if (atCentre)
        toggle(*atCentre);
    if (inside.empty())
        return std::nullopt;
    return *std::min_element(inside.begin(), inside.end());
}

std::optional<int> CountryGrid::nearestCoast(Point p) const
{
    const double reach = kCoastReachKm / kEarthRadiusKm;
    const qint64 marginY =
        static_cast<qint64>(std::ceil(reach * 180 / std::numbers::pi * kPerDegree)) + 1;
    const double farthestLatitude = (std::abs(p.y) + marginY) * std::numbers::pi / 180 / kPerDegree;
    // Near a pole the reach spans every meridian.
    const qint64 marginX = farthestLatitude >= std::numbers::pi / 2
                               ? kTurn / 2
                               : static_cast<qint64>(marginY / std::cos(farthestLatitude)) + 1;
    const qint64 firstColumn = marginX >= kTurn / 2 ? 0 : floorDiv(p.x - marginX, kCell) + 180;
    const qint64 lastColumn =
        marginX >= kTurn / 2 ? kColumns - 1 : floorDiv(p.x + marginX, kCell) + 180;
    const qint64 firstRow = std::max<qint64>(0, floorDiv(p.y - marginY, kCell) + 90);
    const qint64 lastRow = std::min<qint64>(kRows - 1, floorDiv(p.y + marginY, kCell) + 90);

    const Vector at = unitVector(p.x, p.y);
    double nearest = reach;
    std::optional<int> country;
    for (qint64 c = firstColumn; c <= lastColumn; ++c) {
        const int column = static_cast<int>((c % kColumns + kColumns) % kColumns);
        // The point moved by whole turns to lie at the cell, as its edges do.
        const qint64 x =
            p.x + kTurn * floorDiv((column - 180) * kCell + kCell / 2 - p.x + kTurn / 2, kTurn);
        for (qint64 row = firstRow; row <= lastRow; ++row) {
            forEachEdge(
                column, static_cast<int>(row), [&](int owner, const Point& a, const Point& b) {
                    if (x < std::min(a.x, b.x) - marginX || x > std::max(a.x, b.x) + marginX ||
                        p.y < std::min(a.y, b.y) - marginY || p.y > std::max(a.y, b.y) + marginY)
                        return;
                    const double d = angleToArc(at, unitVector(a.x, a.y), unitVector(b.x, b.y));
                    if (d <= nearest) {
                        nearest = d;
                        country = owner;
                    }
                });
        }
    }
    return country;
}

std::optional<int> CountryGrid::countryAt(GeoPoint point) const
{
    const Point p{std::llround(point.longitude * kPerDegree),
                  std::llround(point.latitude * kPerDegree)};
    if (const auto land = landAt(p))
        return land;
    return nearestCoast(p);
}

} // namespace orvik
