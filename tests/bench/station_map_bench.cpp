// What the station's map costs: its drawing after the position changes, the
// map's first reading of the countries, and the window's start-up with it.
#include "app/Unit1.h"
#include "app/dialogs.h"
#include "app/station_map.h"
#include "device/emulator.h"
#include "device/firmware_upload.h"
#include "settings/world_map.h"

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
