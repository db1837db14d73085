#pragma once

#include "device/firmware_upload.h"
#include "frontend/device_operation.h"
#include "settings/config_image.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace orvik {

class HidTransport;
class Settings;
class SignalWatcher;
enum class Written;

// Where the window's operations run: the transport, and the appliance the
// user chose (its path), or none for the first; and the program's signal
// watcher, whose policy a write's guard is while it lasts.
struct ApplianceChoice {
    HidTransport& device;
    QString path;
    SignalWatcher* interrupts = nullptr;
};

// What one of the window's operations on the appliance does: its session runs
// on the chosen appliance, which stays its own until the end. One that writes
// `written`: a signal before its first page ends the program at once; from
// there on it does not cut the write in half, and the window ends the program
// after it, with 128 + the signal (WriteGuard, SessionEnd::signal).
class ApplianceWork : public OperationWork {
public:
    ApplianceWork(const ApplianceChoice& choice, std::optional<Written> written);

protected:
    // The session itself, on the operation's thread.
    virtual Result<> session(HidTransport& appliance, ReportRelay& relay) = 0;

private:
    SessionEnd run(ReportRelay& relay) final;

    const ApplianceChoice choice_;
    const std::optional<Written> written_;
};

// "Read config": unpacks what it read into `settings`, on the window's thread.
class ReadConfigWork final : public ApplianceWork {
public:
    ReadConfigWork(const ApplianceChoice& choice, Settings& settings);

private:
    Result<> session(HidTransport& appliance, ReportRelay& relay) override;

    Settings& settings_;
    ConfigImage received_{};
};

// "Write config": the image is packed from the settings when the operation is
// made, on the window's thread; the session writes it.
class WriteConfigWork final : public ApplianceWork {
public:
    WriteConfigWork(const ApplianceChoice& choice, Settings& settings);

private:
    Result<> session(HidTransport& appliance, ReportRelay& relay) override;

    ConfigImage outgoing_{};
    const Result<> prepared_;
};

// "Upload firmware" of `file`, or of the image the program carries when there
// is none. Once it has the appliance, `setButtonsEnabled(false)` runs on the
// window's thread, and `setButtonsEnabled(true)` when it lets it go.
class UploadFirmwareWork final : public ApplianceWork {
public:
    UploadFirmwareWork(const ApplianceChoice& choice, std::unique_ptr<FirmwareSource> file,
                       const FirmwareSource& carried, std::function<void(bool)> setButtonsEnabled);

private:
    Result<> session(HidTransport& appliance, ReportRelay& relay) override;

    const std::unique_ptr<FirmwareSource> file_;
    const FirmwareSource& source_;
    const std::function<void(bool)> setButtonsEnabled_;
};

} // namespace orvik
