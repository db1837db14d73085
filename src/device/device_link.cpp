#include "device/device_link.h"

#include "settings/operation.h"

namespace orvik {

namespace {

// Where the user learns how to get access to the appliance's device node.
const QString kOpenHint = QStringLiteral(
#ifdef Q_OS_LINUX
    " (on Linux, install the udev rule 60-orvik.rules; see the README)"
#endif
);

} // namespace

bool OpenDevice(HidTransport& transport, Reporter& reporter)
{
    for (const HidInterface& candidate : transport.enumerate()) {
        if (candidate.vendorId != kOrvikVendorId || candidate.productId != kOrvikProductId)
            continue;
        reporter.log(QStringLiteral("Orvik 2.0 found, vid: Vid_0483, pid: A04F"));
        QString reason;
        if (!transport.open(candidate.path, reason)) {
            reporter.log(QStringLiteral("Orvik 2.0 could not be opened: ") + reason + kOpenHint);
            return false;
        }
        return true;
    }
    reporter.log(QStringLiteral("Orvik 2.0 not found."));
    return false;
}

void CloseDevice(HidTransport& transport)
{
    transport.close();
}

} // namespace orvik
