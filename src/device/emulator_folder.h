#pragma once

#include "device/appliance_lock.h"
#include "device/emulator.h"
#include "device/forwarding_transport.h"

#include <QString>
#include <QStringList>

namespace orvik {

// The emulated appliances kept in a folder (see emulator_store.h) as a
// transport that programs share: a session locks the appliance's file `lock`,
// reads its files afresh, and writes back what it changed before it lets the
// lock go, so that what one program wrote is what the next one reads.
class FolderEmulator : public ForwardingTransport {
public:
    FolderEmulator() : ForwardingTransport(emulator_) {}

    // Lists the appliances kept in `dir`; fails at the first file that is
    // unusable.
    Result<> load(const QString& dir);
    // The lines naming the subdirectories load left out (unlistedFolderLine).
    [[nodiscard]] QStringList unlistedLines() const;

    // Lists them afresh, but for the first time after load; a folder that has
    // become unusable keeps the last listing, and the claim then says why.
    std::vector<HidInterface> enumerate() override;
    Result<Claim> claim(const std::string& path) override;
    // Writes the claimed appliance's files back. What it cannot write is not
    // tried again at the session's end: the session has said why.
    Result<> keep() override;
    Result<> endSession() override;

private:
    QString dir_;
    QStringList unlisted_; // by load
    bool listed_ = false;  // by load, for the first enumerate
    ApplianceEmulator emulator_;
    ApplianceLock lock_;
    Folder folder_; // the claimed appliance's, for the whole session
    Appliance* claimed_ = nullptr;
};

} // namespace orvik
