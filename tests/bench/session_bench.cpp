// "Write config" and "Read config" against an emulated appliance that answers
// at once, so that what is timed is the configurator's own work per page: the
// exchange, the log line, the progress step. Each is compared with a bare loop
// of the same 192 exchanges; the ratio shows what reporting adds.
#include "app/dialogs.h"
#include "app/gui_reporter.h"
#include "cli/cli_reporter.h"
#include "device/config_sessions.h"
#include "device/emulator.h"
#include "device/protocol.h"
#include "settings/settings.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QIODevice>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <chrono>
#include <functional>
#include <memory>

namespace {

using namespace orvik;
using Clock = std::chrono::steady_clock;

class NullDevice : public QIODevice {
public:
    NullDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override { return length; }
};

// orvikctl's reporter, writing where nobody reads.
class NullCliReporter : public cli::CliReporter {
public:
    NullCliReporter() : cli::CliReporter(stream_) {}

private:
    NullDevice device_;
    QTextStream stream_{&device_};
};

// The window's reporter on a shown log and bar (offscreen), painting as the
// window does; no box is ever asked for in these sessions.
class NoDialogs : public Dialogs {
public:
    void information(const QString&) override { std::abort(); }
    void notice(const QString&) override { std::abort(); }
    void error(const QString&) override { std::abort(); }
    QString getSaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString getOpenFileName(const QString&, const QString&, const QString&) override { return {}; }
};

// Bases are built in order, so the widgets exist before the reporter holds them.
struct WindowParts {
    std::unique_ptr<QPlainTextEdit> logView = std::make_unique<QPlainTextEdit>();
    std::unique_ptr<QProgressBar> barView = std::make_unique<QProgressBar>();
    NoDialogs dialogs;
};

class WindowReporter : private WindowParts, public GuiReporter {
public:
    WindowReporter() : GuiReporter(*logView, *barView, dialogs)
    {
        logView->resize(513, 73);
        logView->show();
        barView->resize(529, 20);
        barView->show();
    }
};

using ReporterFactory = std::function<std::unique_ptr<Reporter>()>;

struct ReporterVariant {
    const char* name;
    ReporterFactory make;
};

// Every reporter the sessions are measured with; the window's goes here too.
const ReporterVariant kReporters[] = {
    {"CliReporter", [] { return std::make_unique<NullCliReporter>(); }},
    {"GuiReporter", [] { return std::make_unique<WindowReporter>(); }},
};

enum class Direction { Write, Read };

struct Bench {
    Bench()
    {
        appliance = &emulator.attach("bench");
        NullCliReporter quiet;
        if (!PackConfigImage(settings, image, quiet))
            std::abort();
        appliance->eeprom = image;
    }

    bool session(Direction d, Reporter& reporter)
    {
        return d == Direction::Write ? WriteConfigSession(settings, image, emulator, reporter)
                                     : ReadConfigSession(settings, image, emulator, reporter);
    }

    // The same 192 exchanges with nothing around them.
    bool bareLoop(Direction d)
    {
        QString reason;
        if (!emulator.open("bench", reason))
            return false;
        bool ok = true;
        for (int p = 0; p < kPageCount && ok; ++p) {
            const auto page = static_cast<std::uint16_t>(p);
            ok = d == Direction::Write
                     ? WriteConfigPage(emulator, PageData(image.data() + p * kPageSize, kPageSize),
                                       page)
                     : ReadConfigPage(emulator, PageBuffer(image.data() + p * kPageSize, kPageSize),
                                      page);
        }
        emulator.close();
        return ok;
    }

    Settings settings{[] { return std::int64_t{1700000000}; }};
    ConfigImage image{};
    ApplianceEmulator emulator;
    Appliance* appliance;
};

void perPage(benchmark::State& state)
{
    state.counters["per_page"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kPageCount,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void sessionBenchmark(benchmark::State& state, Direction d, const ReporterFactory& make)
{
    Bench bench;
    const std::unique_ptr<Reporter> reporter = make();
    Clock::duration inSession{}, inBareLoop{};
    for (auto _ : state) {
        const auto start = Clock::now();
        if (!bench.session(d, *reporter))
            state.SkipWithError("session failed");
        inSession += Clock::now() - start;

        state.PauseTiming();
        const auto bareStart = Clock::now();
        if (!bench.bareLoop(d))
            state.SkipWithError("bare loop failed");
        inBareLoop += Clock::now() - bareStart;
        state.ResumeTiming();
    }
    perPage(state);
    state.counters["ratio_to_bare_loop"] = std::chrono::duration<double>(inSession).count() /
                                           std::chrono::duration<double>(inBareLoop).count();
}

void bareLoopBenchmark(benchmark::State& state, Direction d)
{
    Bench bench;
    for (auto _ : state) {
        if (!bench.bareLoop(d))
            state.SkipWithError("bare loop failed");
    }
    perPage(state);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const struct {
        const char* name;
        Direction direction;
    } sessions[] = {{"WriteConfig", Direction::Write}, {"ReadConfig", Direction::Read}};
    for (const auto& s : sessions) {
        benchmark::RegisterBenchmark((std::string("BareLoop/") + s.name).c_str(), bareLoopBenchmark,
                                     s.direction);
        for (const ReporterVariant& r : kReporters) {
            benchmark::RegisterBenchmark((std::string(s.name) + "/" + r.name).c_str(),
                                         sessionBenchmark, s.direction, r.make);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
