#pragma once

#include "device/hid_transport.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace orvik {

class Progress;

// The identifier under which the program carries its firmware image.
inline constexpr int kFirmwareResourceId = 1;
// Room for 7680 pages; a longer image is refused.
inline constexpr int kUploadBufferSize = 245760;

// Where the firmware image comes from: the image carried in the program, a
// file (orvikctl --image), or a test's own bytes.
class FirmwareSource {
public:
    virtual ~FirmwareSource() = default;
    // Whether an image with this identifier exists.
    [[nodiscard]] virtual bool find(int id) const = 0;
    // Its bytes; nullopt when they cannot be loaded.
    [[nodiscard]] virtual std::optional<QByteArray> load(int id) const = 0;
};

// The image embedded at build time (-DORVIK_FIRMWARE_IMAGE=...); without it
// the program carries none.
class CarriedFirmware : public FirmwareSource {
public:
    bool find(int id) const override;
    std::optional<QByteArray> load(int id) const override;
};

// The image in the regular file `path`, checked before any appliance is
// opened: not empty, and no larger than the appliance takes, of which no more
// is read; fails for the information box saying why it cannot be sent. Both
// front ends check a firmware file here.
Result<QByteArray> ReadFirmwareFile(const QString& path);

// An image already in memory: a file read by ReadFirmwareFile.
class FirmwareBytes : public FirmwareSource {
public:
    explicit FirmwareBytes(QByteArray bytes) : bytes_(std::move(bytes)) {}
    bool find(int id) const override { return id == kFirmwareResourceId; }
    std::optional<QByteArray> load(int id) const override;

private:
    QByteArray bytes_;
};

// Sends the image page by page, logging each; fails when it was not sent whole.
Result<> UploadFirmware(HidTransport& transport, const FirmwareSource& source, Progress& progress);

// "Upload firmware": opens the appliance and uploads.
Result<> UploadFirmwareSession(HidTransport& transport, const FirmwareSource& source,
                               Progress& progress);

} // namespace orvik
