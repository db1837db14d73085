#include "geo/world_map.h"

#include "geo/map_bytes.h"

#include <QResource>
#include <algorithm>

namespace orvik {

namespace {

// The grid that opens the map: after the magic number, its length and its
// bytes.
CountryGrid gridIn(const QByteArray& data)
{
    MapBytes in(data.constData(), data.constData() + data.size());
    [[maybe_unused]] const auto magic = in.number<quint32>();
    Q_ASSERT(magic == 0x4F574D32); // "OWM2"
    const auto length = in.number<quint32>();
    return CountryGrid(in.position(), in.position() + length);
}

QByteArray carriedData()
{
    // Compiled in uncompressed: read where it lies.
    const QResource resource(QStringLiteral(":/map/world.map"));
    Q_ASSERT(resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression);
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size());
}

} // namespace

WorldMap::WorldMap(const QByteArray& data) : data_(data), grid_(gridIn(data_))
{
    // The drawing follows the grid.
    MapBytes in(grid_.end(), data_.constData() + data_.size());
    const double scaleX = in.real();
    const double scaleY = in.real();
    const double originX = in.real();
    const double originY = in.real();
    countries_.resize(in.number<quint16>());
    for (Country& c : countries_) {
        for (QString& name : c.names)
            name = in.text();
    }
    rings_.resize(in.number<quint32>());
    for (Ring& ring : rings_) {
        ring.country = in.number<quint16>();
        const auto count = in.number<quint32>();
        ring.points.reserve(count);
        qint64 x = 0;
        qint64 y = 0;
        for (quint32 i = 0; i < count; ++i) {
            x += in.step();
            y += in.step();
            ring.points.append({x * scaleX + originX, y * scaleY + originY});
        }
        const auto [left, right] =
            std::minmax_element(ring.points.begin(), ring.points.end(),
                                [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
        const auto [bottom, top] =
            std::minmax_element(ring.points.begin(), ring.points.end(),
                                [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        ring.bounds = QRectF(QPointF(left->x(), bottom->y()), QPointF(right->x(), top->y()));
    }
}

const WorldMap& WorldMap::carried()
{
    static const WorldMap map(carriedData());
    return map;
}

QString englishName(int country)
{
    return WorldMap::carried().countries()[country].names[0];
}

QString countryName(int country, const QString& language)
{
    const auto& names = WorldMap::carried().countries()[country].names;
    if (language == QLatin1String("pl"))
        return names[1];
    if (language == QLatin1String("de"))
        return names[2];
    return names[0];
}

} // namespace orvik
