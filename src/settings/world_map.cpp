#include "settings/world_map.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace orvik {

namespace {

// Reads the big-endian numbers, strings and varints of the resource; its
// bytes are our own, so a short read is a build's fault.
class Reader {
public:
    explicit Reader(const QByteArray& data) : p_(data.constData()), end_(p_ + data.size()) {}
    template <typename T> T number()
    {
        Q_ASSERT(p_ + sizeof(T) <= end_);
        const T value = qFromBigEndian<T>(p_);
        p_ += sizeof(T);
        return value;
    }
    double real()
    {
        const quint64 bits = number<quint64>();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    QString text()
    {
        const int length = number<quint8>();
        const QString value = QString::fromUtf8(p_, length);
        p_ += length;
        return value;
    }
    qint64 step()
    {
        quint64 zigzag = 0;
        for (int shift = 0;; shift += 7) {
            Q_ASSERT(p_ < end_);
            const auto byte = static_cast<quint8>(*p_++);
            zigzag |= quint64(byte & 0x7F) << shift;
            if (!(byte & 0x80))
                break;
        }
        return static_cast<qint64>(zigzag >> 1) ^ -static_cast<qint64>(zigzag & 1);
    }

private:
    const char* p_;
    const char* end_;
};

QByteArray carriedData()
{
    QFile file(QStringLiteral(":/map/world.map"));
    const bool opened = file.open(QIODevice::ReadOnly);
    Q_ASSERT(opened);
    return file.readAll();
}

// Crossings of the ray from `p` eastwards with the ring's edges.
bool crossesOddly(const QList<QPointF>& ring, QPointF p)
{
    bool inside = false;
    for (qsizetype i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const QPointF& a = ring[i];
        const QPointF& b = ring[j];
        if ((a.y() > p.y()) != (b.y() > p.y()) &&
            p.x() < (b.x() - a.x()) * (p.y() - a.y()) / (b.y() - a.y()) + a.x())
            inside = !inside;
    }
    return inside;
}

} // namespace

WorldMap::WorldMap(const QByteArray& data)
{
    Reader in(data);
    [[maybe_unused]] const auto magic = in.number<quint32>();
    Q_ASSERT(magic == 0x4F574D31); // "OWM1"
    const double scaleX = in.real();
    const double scaleY = in.real();
    const double originX = in.real();
    const double originY = in.real();
    countries_.resize(in.number<quint16>());
    for (Country& c : countries_) {
        in.number<quint16>(); // its ISO 3166 numeric code, which named it
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

std::optional<int> WorldMap::countryAt(GeoPoint point) const
{
    // A country holds the point when an odd number of its rings does: its
    // holes (a country within it, a lake) are rings too.
    // A ring that runs on past 180° holds the points west of it there.
    std::vector<bool> inside(countries_.size());
    for (const Ring& ring : rings_) {
        const QPointF p(point.longitude +
                            (ring.bounds.right() > 180 && point.longitude < 0 ? 360 : 0),
                        point.latitude);
        if (p.x() >= ring.bounds.left() && p.x() <= ring.bounds.right() &&
            p.y() >= ring.bounds.top() && p.y() <= ring.bounds.bottom() &&
            crossesOddly(ring.points, p))
            inside[ring.country] = !inside[ring.country];
    }
    for (std::size_t i = 0; i < inside.size(); ++i) {
        if (inside[i])
            return static_cast<int>(i);
    }
    return std::nullopt;
}

QString englishName(int country)
{
    return WorldMap::carried().countries()[country].names[0];
}

QString countryName(int country)
{
    // The translation installed says which language it is, as Qt's own say
    // their layout direction; the names of the others are baked into the map.
    const QString language = QCoreApplication::translate(
        "Window", "en", "The two-letter code of the language of this translation");
    const auto& names = WorldMap::carried().countries()[country].names;
    if (language == QLatin1String("pl"))
        return names[1];
    if (language == QLatin1String("de"))
        return names[2];
    return names[0];
}

} // namespace orvik
