#pragma once

#include "device/forwarding_transport.h"

#include <optional>

namespace orvik {

// Narrows a transport to the appliance the user chose, by its path or its
// serial number; without a choice the sessions take the first, as the window
// does. Once an appliance has been opened through it, it stays on that one
// (its path, and its serial number where it has one): a later session that no
// longer finds it finds nothing, so an appliance swapped in meanwhile is never
// written in its place. Which of the devices it lets through are appliances
// is left to ListAppliances.
class ChosenAppliance : public ForwardingTransport {
public:
    explicit ChosenAppliance(HidTransport& transport, QString choice = {});

    // The appliance opened through this transport so far.
    [[nodiscard]] const std::optional<HidInterface>& opened() const { return opened_; }

    std::vector<HidInterface> enumerate() override;
    Result<> open(const std::string& path) override;

private:
    [[nodiscard]] bool chosen(const HidInterface& candidate) const;

    QString choice_;
    std::vector<HidInterface> listed_;
    std::optional<HidInterface> opened_;
};

// How the user knows an appliance: by its serial number, or by its path
// where it tells none.
[[nodiscard]] QString applianceName(const HidInterface& appliance);

// The line that says that no attached appliance is the one `choice` names
// (by path or serial number), naming those attached; empty when one is, or
// when none is attached.
[[nodiscard]] QString NoMatchLine(HidTransport& transport, const QString& choice);

} // namespace orvik
