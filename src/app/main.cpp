#include "app/Splashscreen.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/dialogs.h"
#include "app/folder_appliance.h"
#include "app/pictures.h"
#include "app/presence_log.h"
#include "device/firmware_upload.h"
#include "device/folder_presence.h"
#include "device/hidapi_transport.h"
#include "device/signal_watcher.h"
#include "device/udev_presence.h"
#include "files/atomic_write.h"
#include "files/native_names.h"
#include "frontend/reporter.h"
#include "language/language.h"
#include "settings/catalogue.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

namespace {

// The splash stays this long after the windows were built, however long
// building them took.
constexpr unsigned long kSplashMs = 3000;

void showStartupError(const QString& boxText)
{
    orvik::makeMessageBox(orvik::BoxKind::Error, boxText)->exec();
}

// With --check-start nobody is there to close a box: one shown says what it
// would have said on standard output, and the program ends with status 1.
class BoxesToStandardOutput : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (const auto* box = qobject_cast<QMessageBox*>(watched)) {
                std::printf("orvik-configurator: %s\n", qPrintable(box->text()));
                std::fflush(stdout);
                orvik::exitBetweenFileWrites(1);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

struct StartOptions {
    QString emulatorFolder; // empty: the appliance attached by USB
    QString file;           // empty: none to read
    QString firmwareFile;   // empty: the carried image, or one the user picks
    bool checkStart = false;
};

// The program's command line: --help, --version, --emulator DIR and a file.
struct CommandLine {
    CommandLine()
    {
        parser.setApplicationDescription(QCoreApplication::translate(
            "orvik-configurator", "Edits the settings of an Orvik 2.0 appliance attached by USB."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(emulator);
        parser.addOption(firmware);
        parser.addOption(checkStart);
        parser.addPositionalArgument(
            QStringLiteral("file"),
            QCoreApplication::translate(
                "orvik-configurator",
                "Configuration file to read once the window shows, as \"Read from file\"."),
            QStringLiteral("[FILE]"));
    }

    QCommandLineParser parser;
    const QCommandLineOption emulator{
        QStringLiteral("emulator"),
        QCoreApplication::translate(
            "orvik-configurator",
            "Works with the emulated appliance kept in DIR, as orvikctl --emulator DIR does, "
            "instead of one attached by USB."),
        QStringLiteral("DIR")};
    const QCommandLineOption firmware{
        QStringLiteral("firmware"),
        QCoreApplication::translate("orvik-configurator",
                                    "\"Upload firmware\" uploads FILE, without asking for one."),
        QStringLiteral("FILE")};
    const QCommandLineOption checkStart{
        QStringLiteral("check-start"),
        QCoreApplication::translate(
            "orvik-configurator",
            "Starts, says on standard output whether the main window came up, and ends (exit "
            "status 0 when it did).")};
};

void nameTheProgram()
{
    QCoreApplication::setApplicationName(orvik::kAppTitle);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(orvik::kVersionNumber));
}

// A misused argument, --help and --version are answered before the window
// system is reached, so that they work where there is no display. Everything
// else waits for the window system, which takes its own options (-platform,
// -style) off the line first.
void answerWithoutTheWindow(int argc, char** argv)
{
    QCoreApplication core(argc, argv);
    const orvik::Translation translation(orvik::userLanguage());
    // Refused as the parser refuses a misused line: the name Qt would give
    // is another file's or folder's.
    if (const QString bad = orvik::unusableArgument(argc, argv); !bad.isEmpty()) {
        std::fprintf(stderr, "orvik-configurator: %s\n",
                     qPrintable(orvik::unusableArgumentMessage(bad)));
        std::exit(1);
    }
    nameTheProgram();
    CommandLine line;
    (void)line.parser.parse(QCoreApplication::arguments());
    if (line.parser.isSet(QStringLiteral("help")))
        line.parser.showHelp();
    if (line.parser.isSet(QStringLiteral("version")))
        line.parser.showVersion();
}

// Prints and ends the program for a misused command line.
StartOptions readCommandLine(const QApplication& app)
{
    CommandLine line;
    line.parser.process(app);
    const QStringList files = line.parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "orvik-configurator: %s\n",
                     qPrintable(QCoreApplication::translate("orvik-configurator",
                                                            "one configuration file at most")));
        std::exit(1);
    }
    return {line.parser.value(line.emulator), files.value(0), line.parser.value(line.firmware),
            line.parser.isSet(line.checkStart)};
}

} // namespace

int main(int argc, char** argv)
{
    // Before any thread, which inherits the mask: the watcher alone takes the
    // interrupts.
    orvik::SignalWatcher interrupts;
    answerWithoutTheWindow(argc, argv);
    QApplication app(argc, argv);
    const orvik::Translation translation(orvik::userLanguage());
    nameTheProgram();
    QApplication::setDesktopFileName(QStringLiteral("orvik-configurator"));
    QApplication::setWindowIcon(orvik::programIcon());
    const StartOptions options = readCommandLine(app);
    BoxesToStandardOutput boxesReported;
    if (options.checkStart)
        app.installEventFilter(&boxesReported);

    std::unique_ptr<orvik::HidapiTransport> usb;
    orvik::FolderAppliance emulated;
    if (options.emulatorFolder.isEmpty()) {
        usb = std::make_unique<orvik::HidapiTransport>();
    } else if (const orvik::Result<> loaded = emulated.load(options.emulatorFolder); !loaded.ok()) {
        showStartupError(orvik::errorBoxText(loaded.error().text()));
        return 1;
    }
    for (const QString& line : emulated.unlistedLines())
        std::fprintf(stderr, "orvik-configurator: %s\n", qPrintable(line));
    orvik::HidTransport& device =
        usb ? static_cast<orvik::HidTransport&>(*usb) : emulated.transport();
    orvik::CarriedFirmware firmware;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    // What is attached at start is no news; what comes and goes after is.
    // Its log reaches into the window, so it goes before the window does.
    std::unique_ptr<orvik::PresenceMonitor> presence;
    if (usb)
        presence = std::make_unique<orvik::UdevPresence>();
    else
        presence = std::make_unique<orvik::FolderPresence>(options.emulatorFolder);
    try {
        auto splash = std::make_unique<TSplashScreen>();
        splash->show();
        splash->repaint();
        QApplication::processEvents();

        form1 = std::make_unique<TForm1>(orvik::Form1Services{
            orvik::systemNow, nullptr, &device, &firmware, QCoreApplication::applicationDirPath(),
            options.firmwareFile, &interrupts});
        if (!usb)
            emulated.serve(*form1);
        orvik::logPresence(*presence, form1->reporter());
        form2 = std::make_unique<TForm2>();
        form1->setSpecialStringsDialog([dialog = form2.get()] { dialog->showModalDialog(); });

        // A plain wait: nothing is handled, no click reaches a window yet.
        QThread::msleep(kSplashMs);
        splash.reset();
        form1->show();
    } catch (const std::exception& e) {
        showStartupError(orvik::errorBoxText(e));
        return 0;
    }
    if (options.checkStart) {
        // Once the event loop runs, the window has been shown and painted.
        QTimer::singleShot(0, form1.get(), [form = form1.get()] {
            const bool shown = form->isVisible();
            const QString said =
                shown ? QCoreApplication::translate("orvik-configurator",
                                                    "the main window came up: %1")
                            .arg(form->windowTitle())
                      : QCoreApplication::translate("orvik-configurator",
                                                    "the main window did not come up");
            std::printf("orvik-configurator: %s\n", qPrintable(said));
            std::fflush(stdout);
            QCoreApplication::exit(shown ? 0 : 1);
        });
    }
    if (!options.file.isEmpty()) {
        QTimer::singleShot(0, form1.get(),
                           [form = form1.get(), file = options.file] { form->importFile(file); });
    }
    return QApplication::exec();
}
