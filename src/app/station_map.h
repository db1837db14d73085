#pragma once

#include "geo/position.h"

#include <QPainterPath>
#include <QWidget>
#include <optional>
#include <vector>

class QLineEdit;

namespace orvik {

class Settings;

// The land, sea and borders around the station, its mark and the name of its
// country under it (or that it lies at sea). The region is a few hundred
// kilometres across, wider where no coast or border is near. Without a valid
// position it shows the sea alone.
class StationMap : public QWidget {
    Q_OBJECT
public:
    explicit StationMap(QWidget* parent = nullptr);

    void setStation(std::optional<GeoPoint> station);
    // Where the station lies, in the user's language: its country's name, or
    // that it lies at sea; empty without a station.
    const QString& place() const { return place_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void project();

    std::optional<GeoPoint> station_;
    std::optional<int> country_;
    QString place_;
    // The countries in view, in pixels; the station's own apart.
    QPainterPath land_;
    QPainterPath home_;
    // The paths are projected when next painted, once per change.
    bool projected_ = false;
};

// Puts the locator field (with its label) and the map on the Device tab's
// page and keeps both showing the station of `settings`. Returns the field,
// which takes the focus after the page's settings.
QLineEdit* addStationView(Settings& settings, QWidget* page);

} // namespace orvik
