// The three device sessions as the user starts them, in the main window and
// in orvikctl, against an emulated appliance that answers at once: what is
// timed is the configurator's own work per page. page_us is wall time, since
// Qt paints partly in other threads; x_silent compares each session with the
// same session reporting to nobody, so it shows what the log, the bar and
// their painting add. Besides, the window's import of a hostile file.
#include "app/Unit1.h"
#include "app/dialogs.h"
#include "cli/cli_reporter.h"
#include "configfile/config_keys.h"
#include "device/config_sessions.h"
#include "device/emulator.h"
#include "device/firmware_upload.h"
#include "device/protocol.h"
#include "frontend/read_config.h"
#include "settings/settings.h"
#include "support/operation_end.h"
#include "support/private_home.h"
#include "support/resource_limit.h"
#include "support/silent_reporter.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <chrono>
#include <malloc.h>
#include <utility>

namespace {

using namespace orvik;
using WallClock = std::chrono::steady_clock;

std::int64_t noon()
{
    return 1700000000;
}

// The size of the image the program carries: 1472 pages.
constexpr int kFirmwareSize = 47104;

class BenchFirmware : public FirmwareSource {
public:
    bool find(int) const override { return true; }
    std::optional<QByteArray> load(int) const override { return QByteArray(kFirmwareSize, '\x5a'); }
};

// A session that does not run as it should fails the whole run, so that a
// broken benchmark is noticed where nobody reads its figures.
bool anyFailed = false;

void fail(benchmark::State& state, const QString& why)
{
    anyFailed = true;
    state.SkipWithError(qPrintable(why));
}

// What the sessions work on: one appliance that already holds a sound image,
// so that a read gets as far as the version report.
struct Parts {
    Parts()
    {
        emulator.attach("bench");
        test::SilentReporter silent;
        ready = WriteConfigSession(settings, image, emulator, silent).ok();
    }

    ApplianceEmulator emulator;
    BenchFirmware firmware;
    Settings settings{noon};
    ConfigImage image{};
    bool ready = false;
};

struct SessionCase {
    const char* button; // the window's button that starts it
    int pages;
    // The session as the front ends run it, reporting to `reporter`; true
    // when complete.
    bool (*run)(Parts& parts, Reporter& reporter);
    // A complete session logs this many lines, `successLine` `fromEnd` lines
    // before the end.
    int lines;
    const char* successLine;
    int fromEnd;
};

const SessionCase kWrite = {"Button5",
                            kPageCount,
                            [](Parts& p, Reporter& r) {
                                return WriteConfigSession(p.settings, p.image, p.emulator, r).ok();
                            },
                            kPageCount + 2,
                            "Eeprom write success",
                            1};
const SessionCase kRead = {
    "Button4",
    kPageCount,
    [](Parts& p, Reporter& r) { return ReadConfigSession(p.settings, p.image, p.emulator, r); },
    kPageCount + 3,
    "Eeprom read success.",
    2};
const SessionCase kUpload = {
    "Button3",
    kFirmwareSize / kPageSize,
    [](Parts& p, Reporter& r) { return UploadFirmwareSession(p.emulator, p.firmware, r).ok(); },
    kFirmwareSize / kPageSize + 2,
    "Firmware upgrade success",
    1};

// Answers the one box these sessions show, the version report after a read;
// any other box means the session went wrong.
class BenchDialogs : public Dialogs {
public:
    void information(const QString& text) override { unexpected = text; }
    void notice(const QString& text) override
    {
        if (!text.startsWith(QLatin1String("Firmware version")))
            unexpected = text;
    }
    void error(const QString& text) override { unexpected = text; }
    QString getSaveFileName(const QString&, const QString&, const QString&) override
    {
        unexpected = QStringLiteral("save dialog");
        return {};
    }
    QString getOpenFileName(const QString&, const QString&, const QString&) override
    {
        unexpected = QStringLiteral("open dialog");
        return {};
    }
    // Never asked: the image is carried and one appliance is attached.
    QString getFirmwareFileName(const QString&, const QString&) override { return {}; }
    int chooseAppliance(const QStringList&) override { return -1; }

    QString unexpected;
};

// Times `session` against the same session with a silent reporter; `check`
// says why an iteration did not run as it should, or nothing.
template <typename Session, typename Check>
void measure(benchmark::State& state, Parts& parts, const SessionCase& c, Session session,
             Check check)
{
    if (!parts.ready) {
        fail(state, QStringLiteral("the appliance could not be prepared"));
        return;
    }
    test::SilentReporter silent;
    WallClock::duration reported{}, quiet{};
    for (auto _ : state) {
        const auto start = WallClock::now();
        session();
        reported += WallClock::now() - start;

        state.PauseTiming();
        const QString fault = check();
        const auto quietStart = WallClock::now();
        const bool quietOk = c.run(parts, silent);
        quiet += WallClock::now() - quietStart;
        state.ResumeTiming();
        if (!fault.isEmpty() || !quietOk) {
            fail(state, fault.isEmpty() ? QStringLiteral("the silent session failed") : fault);
            return;
        }
    }
    const double pages = static_cast<double>(state.iterations()) * c.pages;
    state.counters["page_us"] = std::chrono::duration<double, std::micro>(reported).count() / pages;
    state.counters["x_silent"] = std::chrono::duration<double>(reported).count() /
                                 std::chrono::duration<double>(quiet).count();
}

QString lineFromEnd(const QPlainTextEdit& log, int fromEnd)
{
    return log.document()->findBlockByNumber(log.document()->blockCount() - fromEnd).text();
}

void windowSession(benchmark::State& state, const SessionCase& c)
{
    Parts parts;
    BenchDialogs dialogs;
    TForm1 form({noon, &dialogs, &parts.emulator, &parts.firmware});
    form.show();
    QCoreApplication::processEvents();
    auto* button = form.findChild<QAbstractButton*>(c.button);
    const auto* log = form.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    const auto* bar = form.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    if (!button || !log || !bar) {
        fail(state, QStringLiteral("the window lacks a control"));
        return;
    }
    int linesBefore = 0;
    measure(
        state, parts, c,
        [&] {
            linesBefore = log->document()->isEmpty() ? 0 : log->document()->blockCount();
            button->click();
            // The session runs on from the click until its operation ends.
            if (!test::awaitOperationEnd(form))
                fail(state, QStringLiteral("the session did not end in time"));
        },
        [&]() -> QString {
            if (!dialogs.unexpected.isEmpty())
                return dialogs.unexpected;
            if (log->document()->blockCount() - linesBefore != c.lines)
                return QStringLiteral("the log lacks lines");
            if (lineFromEnd(*log, c.fromEnd) != QLatin1String(c.successLine))
                return lineFromEnd(*log, c.fromEnd);
            if (bar->value() != 0)
                return QStringLiteral("the bar did not go back to 0");
            return {};
        });
}

// orvikctl's reporter, writing where nobody reads but through the system as
// standard error would.
void orvikctlSession(benchmark::State& state, const SessionCase& c)
{
    Parts parts;
    QFile sink(QStringLiteral("/dev/null"));
    if (!sink.open(QIODevice::WriteOnly)) {
        fail(state, QStringLiteral("/dev/null cannot be opened"));
        return;
    }
    QTextStream err(&sink);
    cli::CliReporter reporter(err);
    bool ok = true;
    measure(
        state, parts, c, [&] { ok = c.run(parts, reporter); },
        [&] { return ok ? QString() : QStringLiteral("session failed"); });
}

struct Registration {
    const char* name;
    void (*bench)(benchmark::State&, const SessionCase&);
    const SessionCase& session;
};

// "Read from file" in the main window, already shown, of a hostile file in
// which every key the import reads holds 1 MiB of letters (about 100 MB); in
// a child: seconds to the end of the import and the painting after it, and
// peak_x_file the resident memory that adds at its peak over the file's size.
void BM_WindowImportsAHostileFile(benchmark::State& state)
{
    QByteArray bytes;
    QByteArray section;
    for (const ConfigKey& key : configKeys()) {
        if (key.section != std::exchange(section, key.section))
            bytes += "[" + key.section + "]\r\n";
        bytes += key.key + "=" +
                 (key.fixedText.isEmpty() ? QByteArray(1 << 20, 'x') : key.fixedText.toLatin1()) +
                 "\r\n";
    }
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("hostile.cfg")));
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    file.close();
    const QStringList again = {QStringLiteral("--benchmark_filter=^BM_WindowImportsAHostileFile/")};
    for (auto _ : state) {
        const QStringList said =
            test::inCopy(again, [&] {
                Parts parts;
                BenchDialogs dialogs;
                TForm1 form({noon, &dialogs, &parts.emulator, &parts.firmware});
                form.show();
                QCoreApplication::processEvents();
                ::malloc_trim(0);
                QFile reset(QStringLiteral("/proc/self/clear_refs")); // the peak starts here
                const bool cleared =
                    reset.open(QIODevice::WriteOnly) && reset.write("5") == 1 && reset.flush();
                const std::int64_t before = test::statusBytes("VmRSS:");
                const auto start = WallClock::now();
                form.importFile(file.fileName());
                QCoreApplication::processEvents();
                const std::chrono::duration<double> spent = WallClock::now() - start;
                if (!written || !cleared || !dialogs.unexpected.isEmpty())
                    return dialogs.unexpected;
                return QString::number(spent.count()) + ' ' +
                       QString::number(test::statusBytes("VmHWM:") - before);
            }).split(' ');
        if (said.size() != 2) {
            fail(state, said.join(' '));
            return;
        }
        state.counters["seconds"] = said[0].toDouble();
        state.counters["peak_x_file"] = said[1].toDouble() / static_cast<double>(file.size());
    }
}
BENCHMARK(BM_WindowImportsAHostileFile)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

const Registration kBenchmarks[] = {
    {"BM_WindowWriteConfig", windowSession, kWrite},
    {"BM_WindowReadConfig", windowSession, kRead},
    {"BM_WindowUploadFirmware", windowSession, kUpload},
    {"BM_OrvikctlWriteConfig", orvikctlSession, kWrite},
    {"BM_OrvikctlReadConfig", orvikctlSession, kRead},
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const test::PrivateHome home;
    QApplication app(argc, argv);
    for (const Registration& r : kBenchmarks) {
        benchmark::RegisterBenchmark(r.name, r.bench, r.session)
            ->UseRealTime()
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return anyFailed ? 1 : 0;
}
