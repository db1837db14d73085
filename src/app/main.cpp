#include "app/Splashscreen.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/dialogs.h"
#include "app/folder_appliance.h"
#include "app/pictures.h"
#include "device/firmware_upload.h"
#include "device/hidapi_transport.h"
#include "settings/catalogue.h"
#include "settings/operation.h"

#include <QApplication>
#include <QCommandLineParser>
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

void showStartupError(const QString& text)
{
    orvik::makeMessageBox(orvik::BoxKind::Error, orvik::errorBoxText(text))->exec();
}

struct StartOptions {
    QString emulatorFolder; // empty: the appliance attached by USB
    QString file;           // empty: none to read
};

// Prints and ends the program for --help, --version and a misused command line.
StartOptions readCommandLine(const QApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Edits the settings of an Orvik 2.0 appliance attached by USB."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption emulator(
        QStringLiteral("emulator"),
        QStringLiteral("Works with the emulated appliance kept in DIR, as orvikctl --emulator DIR "
                       "does, instead of one attached by USB."),
        QStringLiteral("DIR"));
    parser.addOption(emulator);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("Configuration file to read once the window shows, as \"Read from file\"."),
        QStringLiteral("[FILE]"));
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        std::fputs("orvik-configurator: one configuration file at most\n", stderr);
        std::exit(1);
    }
    return {parser.value(emulator), parser.positionalArguments().value(0)};
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(orvik::kAppTitle);
    QApplication::setApplicationVersion(orvik::kVersionText.mid(1));
    QApplication::setDesktopFileName(QStringLiteral("orvik-configurator"));
    QApplication::setWindowIcon(orvik::programIcon());
    const StartOptions options = readCommandLine(app);

    std::unique_ptr<orvik::HidapiTransport> usb;
    orvik::FolderAppliance emulated;
    if (options.emulatorFolder.isEmpty()) {
        usb = std::make_unique<orvik::HidapiTransport>();
    } else if (QString error; !emulated.load(options.emulatorFolder, error)) {
        showStartupError(error);
        return 1;
    }
    orvik::HidTransport& device =
        usb ? static_cast<orvik::HidTransport&>(*usb) : emulated.transport();

    orvik::CarriedFirmware firmware;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    try {
        auto splash = std::make_unique<TSplashScreen>();
        splash->show();
        splash->repaint();
        QApplication::processEvents();

        form1 = std::make_unique<TForm1>(
            orvik::Form1Services{orvik::systemNow, nullptr, &device, &firmware});
        if (!usb)
            emulated.serve(*form1);
        form2 = std::make_unique<TForm2>();
        form1->setSpecialStringsDialog([dialog = form2.get()] { dialog->showModalDialog(); });

        // A plain wait: nothing is handled, no click reaches a window yet.
        QThread::msleep(kSplashMs);
        splash.reset();
        form1->show();
    } catch (const orvik::OperationError& e) {
        showStartupError(e.text());
        return 0;
    } catch (const std::exception& e) {
        showStartupError(QString::fromLocal8Bit(e.what()));
        return 0;
    }
    if (!options.file.isEmpty()) {
        QTimer::singleShot(0, form1.get(),
                           [form = form1.get(), file = options.file] { form->importFile(file); });
    }
    return QApplication::exec();
}
