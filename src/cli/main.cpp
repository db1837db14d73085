#include "cli/commands.h"
#include "cli/early_interrupts.h"
#include "device/hidapi_transport.h"
#include "device/udev_presence.h"
#include "files/native_names.h"
#include "language/language.h"

#include <QCoreApplication>
#include <cstdio>
#include <optional>

namespace {

void holdAtStart(int /*argc*/, char** /*argv*/, char** /*environment*/)
{
    orvik::cli::holdInterruptsAtStart();
}

// The libraries take milliseconds to start before main: an interrupt
// meanwhile waits for main's watcher, which says what it left.
[[gnu::used, gnu::section(".preinit_array")]] void (*gHoldAtStart)(int, char**,
                                                                   char**) = holdAtStart;

} // namespace

int main(int argc, char** argv)
{
    // As early as can be: an interrupt from the first moment says what it left.
    std::optional<orvik::cli::EarlyInterrupts> early;
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    if (orvik::cli::writesAppliance(given))
        early.emplace("orvikctl");
    // Before any thread, which inherits the mask: the watcher alone takes the
    // interrupts.
    orvik::SignalWatcher interrupts(early ? &*early : nullptr);
    QCoreApplication app(argc, argv);
    const orvik::Translation translation(orvik::userLanguage());
    if (early)
        early->translate();
    QTextStream out(stdout);
    QTextStream err(stderr);
    // A usage error: the name Qt would give is another file's.
    if (const QString bad = orvik::unusableArgument(argc, argv); !bad.isEmpty()) {
        err << "orvikctl: " << orvik::unusableArgumentMessage(bad) << Qt::endl;
        return 2;
    }
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return orvik::cli::runOrvikctl(
        args, out, err, [] { return std::make_unique<orvik::HidapiTransport>(); },
        [] { return std::make_unique<orvik::UdevPresence>(); }, &interrupts);
}
