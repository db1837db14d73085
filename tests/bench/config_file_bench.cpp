// "Save to file" and "Read from file" on the defaults, and the import of a
// file padded with many lines of its own, which shows that reading stays
// linear in the size of the file.
#include "configfile/config_file.h"
#include "settings/operation.h"
#include "settings/settings.h"
#include "support/silent_reporter.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace orvik;

using Silent = test::SilentReporter;

std::int64_t noon()
{
    return 1700000000;
}

void BM_ExportOverExistingFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.cfg");
    const Settings settings(noon);
    Silent reporter;
    for (auto _ : state) {
        if (!ExportConfigFile(settings, path, reporter))
            state.SkipWithError("export refused");
    }
}
BENCHMARK(BM_ExportOverExistingFile);

// The defaults file with `padding` foreign lines in its Device section.
void BM_Import(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.cfg");
    Settings settings(noon);
    Silent reporter;
    if (!ExportConfigFile(settings, path, reporter))
        state.SkipWithError("export refused");
    QByteArray bytes;
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot read the file");
        bytes = f.readAll();
    }
    QByteArray padding;
    for (int i = 0; i < state.range(0); ++i)
        padding += "Foreign" + QByteArray::number(i) + "=value\r\n";
    bytes.replace("[Device]\r\n", "[Device]\r\n" + padding);
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            state.SkipWithError("cannot write the file");
    }
    for (auto _ : state) {
        if (!ImportConfigFile(settings, path, reporter))
            state.SkipWithError("import refused");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Import)->Arg(100)->Arg(1000)->Arg(10000)->Complexity();

} // namespace
