#include "app/Splashscreen.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/dialogs.h"
#include "app/pictures.h"
#include "device/firmware_upload.h"
#include "device/hidapi_transport.h"
#include "settings/catalogue.h"
#include "settings/operation.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
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

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(orvik::kAppTitle);
    QApplication::setDesktopFileName(QStringLiteral("orvik-configurator"));
    QApplication::setWindowIcon(orvik::programIcon());

    orvik::HidapiTransport device;
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
    return QApplication::exec();
}
