#include "app/station_map.h"

#include "app/window_text.h"
#include "geo/world_map.h"
#include "language/language.h"
#include "settings/settings.h"
#include "settings/station_position.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orvik {

namespace {

constexpr double kKmPerDegree = 111.195;
// The map first reaches this far up and down from the station, and doubles
// its reach up to the last until a coast or border comes into view.
constexpr double kNearReachKm = 150;
constexpr double kFarReachKm = 2400;

const QRect kLocatorPlace(392, 64, 57, 21);
const QRect kLocatorLabelPlace(312, 64, 72, 21);
const QRect kMapPlace(8, 116, 497, 100);

const QColor kSea(170, 211, 236);
const QColor kLand(242, 239, 228);
const QColor kHome(255, 250, 205);
const QColor kBorder(120, 120, 120);
const QColor kMark(210, 0, 0);

// Longitude and latitude, the longitude moved by `shift` (0 or a whole turn
// either way), to pixels of a map of `size` centred on `centre`.
struct Projection {
    GeoPoint centre;
    double pxPerDegreeX;
    double pxPerDegreeY;
    QSizeF size;

    QPointF operator()(QPointF lonLat, double shift) const
    {
        return {size.width() / 2 + (lonLat.x() + shift - centre.longitude) * pxPerDegreeX,
                size.height() / 2 - (lonLat.y() - centre.latitude) * pxPerDegreeY};
    }
};

// The longitude shifts (0, ±360°) at which `bounds` meets the view.
std::vector<double> shiftsInView(const QRectF& bounds, const QRectF& view)
{
    std::vector<double> shifts;
    for (const double shift : {0.0, 360.0, -360.0}) {
        if (bounds.translated(shift, 0).intersects(view))
            shifts.push_back(shift);
    }
    return shifts;
}

// The view in degrees: x longitude, y latitude, `reachKm` up and down.
QRectF viewOf(GeoPoint centre, double reachKm, QSizeF size)
{
    const double halfHeight = reachKm / kKmPerDegree;
    const double halfWidth = halfHeight * size.width() / size.height() /
                             std::max(0.05, std::cos(qDegreesToRadians(centre.latitude)));
    return {centre.longitude - halfWidth, centre.latitude - halfHeight, 2 * halfWidth,
            2 * halfHeight};
}

// Some coast or border, a point of a ring, lies within `view`.
bool showsAnEdge(const QRectF& view)
{
    for (const WorldMap::Ring& ring : WorldMap::carried().rings()) {
        for (const double shift : shiftsInView(ring.bounds, view)) {
            const QRectF local = view.translated(-shift, 0);
            if (std::any_of(ring.points.cbegin(), ring.points.cend(),
                            [&](const QPointF& p) { return local.contains(p); }))
                return true;
        }
    }
    return false;
}

} // namespace

StationMap::StationMap(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StationMap"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StationMap::setStation(std::optional<GeoPoint> station)
{
    station_ = station;
    country_ = station ? WorldMap::carried().countryAt(*station) : std::nullopt;
    place_ = !station   ? QString()
             : country_ ? countryName(*country_, translationLanguage())
                        : QCoreApplication::translate("Window", "At sea");
    setAccessibleName(place_.isEmpty() ? windowText(QT_TRANSLATE_NOOP("Window", "Map")) : place_);
    projected_ = false;
    update();
}

void StationMap::project()
{
    projected_ = true;
    land_.clear();
    home_.clear();
    if (!station_ || width() <= 0 || height() <= 0)
        return;
    const QSizeF size = this->size();
    double reachKm = kNearReachKm;
    while (reachKm < kFarReachKm && !showsAnEdge(viewOf(*station_, reachKm, size)))
        reachKm *= 2;
    const QRectF view = viewOf(*station_, reachKm, size);
    const Projection to{*station_, size.width() / view.width(), size.height() / view.height(),
                        size};
    land_.setFillRule(Qt::OddEvenFill);
    home_.setFillRule(Qt::OddEvenFill);
    // A country's rings fill it by the even-odd rule: each country is a
    // path of its own, so that a hole in one is not filled by another's.
    std::vector<QPainterPath> countries(WorldMap::carried().countries().size());
    for (const WorldMap::Ring& ring : WorldMap::carried().rings()) {
        for (const double shift : shiftsInView(ring.bounds, view)) {
            QPolygonF polygon;
            polygon.reserve(ring.points.size());
            for (const QPointF& p : ring.points)
                polygon.append(to(p, shift));
            countries[ring.country].addPolygon(polygon);
            countries[ring.country].closeSubpath();
        }
    }
    for (std::size_t i = 0; i < countries.size(); ++i) {
        if (!countries[i].isEmpty())
            (country_ == static_cast<int>(i) ? home_ : land_).addPath(countries[i]);
    }
}

void StationMap::paintEvent(QPaintEvent*)
{
    if (!projected_)
        project();
    QPainter painter(this);
    painter.fillRect(rect(), kSea);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kBorder, 0.8));
    painter.setBrush(kLand);
    painter.drawPath(land_);
    painter.setBrush(kHome);
    painter.drawPath(home_);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!station_)
        return;

    // The mark, and the place's name on a plate under it.
    const QPointF centre(width() / 2.0, height() / 2.0);
    const double radius = fontMetrics().height() / 3.0;
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(kMark);
    painter.drawEllipse(centre, radius, radius);
    const QFontMetrics metrics = fontMetrics();
    const QString text = metrics.elidedText(place_, Qt::ElideRight, width() - 8);
    QRectF plate = metrics.boundingRect(text);
    plate.setWidth(metrics.horizontalAdvance(text));
    plate.moveCenter(centre);
    plate.moveTop(centre.y() + radius + 2);
    plate.adjust(-3, 0, 3, 0);
    if (plate.bottom() > height() - 2)
        plate.moveBottom(centre.y() - radius - 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 215));
    painter.drawRoundedRect(plate, 3, 3);
    painter.setPen(Qt::black);
    painter.drawText(plate, Qt::AlignCenter, text);
}

void StationMap::resizeEvent(QResizeEvent*)
{
    projected_ = false;
}

void StationMap::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        setStation(station_);
}

QLineEdit* addStationView(Settings& settings, QWidget* page)
{
    auto* locator = new QLineEdit(page);
    locator->setObjectName(QStringLiteral("Locator"));
    locator->setGeometry(kLocatorPlace);
    locator->setReadOnly(true);
    auto* label = new QLabel(windowText(QT_TRANSLATE_NOOP("Window", "Locator:")), page);
    label->setObjectName(QStringLiteral("LocatorLabel"));
    label->setGeometry(kLocatorLabelPlace);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(locator);
    auto* map = new StationMap(page);
    map->setGeometry(kMapPlace);

    const auto show = [&settings, locator, map] {
        const std::optional<GeoPoint> station = stationPosition(settings);
        map->setStation(station);
        const std::optional<ExactPosition> exact = exactStationPosition(settings);
        locator->setText(exact ? maidenheadLocator(*exact) : QString());
        // Each is heard with the other: where the station lies and its locator.
        locator->setAccessibleDescription(map->place());
        map->setAccessibleDescription(locator->text());
    };
    QObject::connect(&settings, &Settings::valueChanged, map, [show](Setting s) {
        if (s == Setting::Latitude || s == Setting::Longitude)
            show();
    });
    show();
    return locator;
}

} // namespace orvik
