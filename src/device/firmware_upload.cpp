#include "device/firmware_upload.h"

#include "device/carried_firmware.h"
#include "device/device_link.h"
#include "device/page_log.h"
#include "device/protocol.h"
#include "settings/operation.h"

#include <vector>

namespace orvik {

namespace {

// Gives the buttons back however the upload ends.
class ButtonsDisabled {
public:
    explicit ButtonsDisabled(const std::function<void(bool)>& setButtonsEnabled)
        : setButtonsEnabled_(setButtonsEnabled)
    {
        setButtonsEnabled_(false);
    }
    ~ButtonsDisabled() { setButtonsEnabled_(true); }
    ButtonsDisabled(const ButtonsDisabled&) = delete;
    ButtonsDisabled& operator=(const ButtonsDisabled&) = delete;

private:
    const std::function<void(bool)>& setButtonsEnabled_;
};

} // namespace

bool CarriedFirmware::find(int id)
{
    return id == kFirmwareResourceId && carriedFirmwareImage().has_value();
}

std::optional<QByteArray> CarriedFirmware::load(int id)
{
    if (!find(id))
        return std::nullopt;
    const auto image = *carriedFirmwareImage();
    // The image lives as long as the program; no copy is needed.
    return QByteArray::fromRawData(reinterpret_cast<const char*>(image.data()),
                                   static_cast<qsizetype>(image.size()));
}

bool UploadFirmware(HidTransport& transport, FirmwareSource& source, Reporter& reporter)
{
    if (!source.find(kFirmwareResourceId)) {
        reporter.information(QStringLiteral("Firmware resource not found (FindResource)."));
        return false;
    }
    const std::optional<QByteArray> image = source.load(kFirmwareResourceId);
    if (!image) {
        reporter.information(QStringLiteral("Firmware resource not found (LoadResource)."));
        return false;
    }
    if (image->size() > kUploadBufferSize) {
        reporter.information(QStringLiteral("Firmware file too long."));
        return false;
    }

    const int pageCount = static_cast<int>((image->size() + kPageSize - 1) / kPageSize);
    // A fresh buffer for every upload, so the last page is always padded with
    // zeros, whatever an earlier upload left.
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(pageCount) * kPageSize);
    std::copy(image->begin(), image->end(), buffer.begin());

    reporter.setProgress(0);
    reporter.setProgressRange(pageCount);
    for (int p = 0; p < pageCount; ++p) {
        reporter.handlePendingEvents();
        const PageData page(buffer.data() + p * kPageSize, kPageSize);
        if (!WriteFirmwarePage(transport, page, static_cast<std::uint16_t>(p))) {
            reporter.log(pageLine("Page write error: ", p + 1, pageCount));
            return false;
        }
        reporter.log(pageLine("Page written: ", p + 1, pageCount));
        reporter.setProgress(p + 1);
    }
    reporter.log(QStringLiteral("Firmware upgrade success"));
    reporter.setProgress(0);
    return true;
}

bool UploadFirmwareSession(HidTransport& transport, FirmwareSource& source, Reporter& reporter,
                           const std::function<void(bool enabled)>& setButtonsEnabled)
{
    const DeviceCloser closer(transport);
    if (!OpenDevice(transport, reporter))
        return false;
    const ButtonsDisabled disabled(setButtonsEnabled);
    return UploadFirmware(transport, source, reporter);
}

} // namespace orvik
