// "Read from file" and "Save to file" over an existing file, on the defaults
// file padded with foreign lines up to 2 KB, 1 MB and 10 MB: time per MB
// should not grow with the size, nor the memory an import adds beyond the
// file's own size.
#include "cli/commands.h"
#include "configfile/config_file.h"
#include "frontend/reporter.h"
#include "settings/settings.h"
#include "support/resource_limit.h"
#include "support/silent_reporter.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <malloc.h>

namespace {

using namespace orvik;

using Silent = test::SilentReporter;
using test::statusBytes;

std::int64_t noon()
{
    return 1700000000;
}

// The defaults file grown to about `size` bytes: half of the growth foreign
// keys in its Device section (each compared with the keys wanted there), half
// foreign sections after it (skipped).
QByteArray paddedFile(const QString& path, qint64 size)
{
    const Settings settings(noon);
    Silent reporter;
    if (!ExportConfigFile(settings, path).ok())
        return {};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = f.readAll();
    const qint64 grow = size - bytes.size();
    QByteArray inDevice;
    QByteArray sections;
    for (int i = 0; inDevice.size() < grow / 2; ++i)
        inDevice += "Foreign" + QByteArray::number(i) + "=a foreign value, kept as it is\r\n";
    for (int i = 0; sections.size() < grow - inDevice.size(); ++i) {
        if (i % 100 == 0)
            sections += "[Foreign" + QByteArray::number(i / 100) + "]\r\n";
        sections += "Key" + QByteArray::number(i) + "=a foreign value, kept as it is\r\n";
    }
    bytes.replace("[Device]\r\n", "[Device]\r\n" + inDevice);
    return bytes + sections;
}

// The resident memory that one run of `step` adds at its peak, measured in a
// child (the benchmark run `again`) so that nothing the benchmark loop left in
// the allocator hides it: free memory is handed back first, the peak is reset
// to the current size.
double addedPeak(const QStringList& again, const std::function<void()>& step)
{
    const QString added = test::inCopy(again, [&] {
        ::malloc_trim(0);
        QFile reset(QStringLiteral("/proc/self/clear_refs"));
        if (!reset.open(QIODevice::WriteOnly) || reset.write("5") != 1 || !reset.flush())
            return QString();
        const std::int64_t before = statusBytes("VmRSS:");
        step();
        return QString::number(statusBytes("VmHWM:") - before);
    });
    bool ok = false;
    const double bytes = added.toDouble(&ok);
    return ok ? bytes : -1;
}

// Times `step` on a file of state.range(0) bytes, in the benchmark `name`;
// ms_per_mb is wall time, peak_x_file the added peak memory over the file's
// size.
void measure(benchmark::State& state, const char* name,
             const std::function<bool(const QString&)>& step)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.cfg");
    const QByteArray bytes = paddedFile(path, state.range(0));
    QFile f(path);
    if (bytes.isEmpty() || !f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot make the file");
        return;
    }
    f.close();
    const double size = static_cast<double>(bytes.size());
    const QString again =
        QStringLiteral("--benchmark_filter=^%1/%2/").arg(name).arg(state.range(0));
    const double peak = addedPeak({again}, [&] { static_cast<void>(step(path)); });

    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        if (!step(path))
            state.SkipWithError("refused");
    }
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    state.counters["ms_per_mb"] =
        spent.count() / static_cast<double>(state.iterations()) / (size / (1 << 20));
    state.counters["peak_x_file"] = peak / size;
    state.SetBytesProcessed(static_cast<std::int64_t>(size) * state.iterations());
}

// From a small file to one far larger than any real one, in wall time.
void fileSizes(benchmark::internal::Benchmark* b)
{
    for (const int size : {2 << 10, 100 << 10, 1 << 20, 10 << 20})
        b->Arg(size);
    b->UseRealTime()->Unit(benchmark::kMillisecond);
}

void BM_ImportConfigFile(benchmark::State& state)
{
    Settings settings(noon);
    Silent reporter;
    measure(state, "BM_ImportConfigFile",
            [&](const QString& path) { return ImportConfigFile(settings, path).ok(); });
}
BENCHMARK(BM_ImportConfigFile)->Apply(fileSizes);

// "Save to file" over the padded file: every foreign line is kept.
void BM_UpdateConfigFile(benchmark::State& state)
{
    const Settings settings(noon);
    Silent reporter;
    measure(state, "BM_UpdateConfigFile",
            [&](const QString& path) { return ExportConfigFile(settings, path).ok(); });
}
BENCHMARK(BM_UpdateConfigFile)->Apply(fileSizes);

// A value as long as its file (Callsign's), read by `show`, and by `diff` of two such files:
// the peak memory a run adds, in MiB (peak_mb) and over the values' size in all (peak_x_values).
void BM_OneHugeValue(benchmark::State& state)
{
    QTemporaryDir dir;
    QStringList args{state.range(1) != 0 ? "diff" : "show"};
    for (int i = 0; i <= state.range(1); ++i) {
        QFile f(args.emplace_back(dir.filePath(QString::number(i))));
        const QByteArray bytes =
            paddedFile(f.fileName(), 0)
                .replace("\nCallsign=", "\nCallsign=" + QByteArray(state.range(0), 'x'));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return state.SkipWithError("cannot make the file");
    }
    QString said;
    QTextStream sink(&said);
    const auto run = [&] { cli::runOrvikctl(args, sink, sink); };
    double peak = 0;
    const QString again =
        QStringLiteral("--benchmark_filter=^BM_OneHugeValue/%1/%2/")
            .arg(QString::number(state.range(0)), QString::number(state.range(1)));
    for (auto _ : state)
        peak = addedPeak({again}, run);
    state.counters["peak_mb"] = peak / (1 << 20);
    state.counters["peak_x_values"] =
        peak / static_cast<double>(state.range(0) * (args.size() - 1));
}
BENCHMARK(BM_OneHugeValue)->Args({100 << 20, 0})->Args({100 << 20, 1})->Iterations(1);

} // namespace
