// What the station's map costs: its drawing after the position changes, the
// map's first reading of the countries, a lookup of the country at a point,
// and the window's start-up with it.
#include "app/Unit1.h"
#include "app/dialogs.h"
#include "app/station_map.h"
#include "device/emulator.h"
#include "device/firmware_upload.h"
#include "geo/world_map.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <QPainter>

namespace {

using namespace orvik;

// Projects the countries around a new position and paints them, as the Device
// tab does after each key typed into Latitude or Longitude; alternately at a
// border, a coast and far out at sea, where it looks furthest.
void BM_MapDrawAfterAChange(benchmark::State& state)
{
    const GeoPoint points[] = {{52.3847, 16.9690}, {54.35, 18.65}, {0, -30}};
    StationMap map;
    map.resize(497, 100);
    QImage image(map.size(), QImage::Format_ARGB32_Premultiplied);
    WorldMap::carried(); // read once before, as the window has done
    std::size_t i = 0;
    for (auto _ : state) {
        map.setStation(points[i++ % std::size(points)]);
        QPainter painter(&image);
        map.render(&painter);
    }
}
BENCHMARK(BM_MapDrawAfterAChange)->Unit(benchmark::kMillisecond);

void BM_ReadWorldMap(benchmark::State& state)
{
    QFile file(QStringLiteral(":/map/world.map"));
    if (!file.open(QIODevice::ReadOnly))
        state.SkipWithError("no map");
    const QByteArray data = file.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(WorldMap(data).rings().size());
}
BENCHMARK(BM_ReadWorldMap)->Unit(benchmark::kMillisecond);

// One lookup of the country a point lies in or off: inland, on a coast of
// skerries, a few km off it and far out at sea (the two last look for the
// nearest coast).
void BM_CountryAt(benchmark::State& state)
{
    const GeoPoint points[] = {{52.3847, 16.9690}, {60.3913, 5.3221}, {60.4, 4.75}, {0, -30}};
    const WorldMap& map = WorldMap::carried();
    const GeoPoint point = points[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(map.countryAt(point));
}
BENCHMARK(BM_CountryAt)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// The main window built and shown for the first time, its map included.
void BM_WindowStartUp(benchmark::State& state)
{
    ApplianceEmulator emulator;
    QtDialogs dialogs(nullptr);
    CarriedFirmware firmware;
    for (auto _ : state) {
        TForm1 form({systemNow, &dialogs, &emulator, &firmware});
        form.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_WindowStartUp)->Unit(benchmark::kMillisecond);

} // namespace
