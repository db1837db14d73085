#pragma once

#include "geo/country_grid.h"
#include "geo/position.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace orvik {

// The countries of the world (Natural Earth's admin-0, made into
// resources/world.map by scripts/make-world-map.py): their 1:50m rings for
// drawing them, and a grid of their 1:10m ones for telling in which one a
// point lies. Points are QPointF(longitude, latitude).
class WorldMap {
public:
    struct Country {
        // English, Polish, German.
        std::array<QString, 3> names;
    };
    struct Ring {
        int country = 0;
        QRectF bounds;
        QList<QPointF> points;
    };

    // Reads the map from the bytes make-world-map.py wrote, and keeps them.
    explicit WorldMap(const QByteArray& data);
    // The map the programs carry, read once when first asked for.
    static const WorldMap& carried();

    const std::vector<Country>& countries() const { return countries_; }
    const std::vector<Ring>& rings() const { return rings_; }
    // The index of the country `point` lies in or off (CountryGrid::countryAt);
    // nothing at sea.
    [[nodiscard]] std::optional<int> countryAt(GeoPoint point) const
    {
        return grid_.countryAt(point);
    }

private:
    QByteArray data_;
    CountryGrid grid_;
    std::vector<Country> countries_;
    std::vector<Ring> rings_;
};

// A country's name in English, and in `language` (a two-letter code: "pl");
// in English for a language the map has no names in.
[[nodiscard]] QString englishName(int country);
[[nodiscard]] QString countryName(int country, const QString& language);

} // namespace orvik
