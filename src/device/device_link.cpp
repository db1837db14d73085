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

std::vector<HidInterface> ListAppliances(HidTransport& transport)
{
    std::vector<HidInterface> appliances = transport.enumerate();
    std::erase_if(appliances, [](const HidInterface& i) { return !isAppliance(i); });
    return appliances;
}

bool OpenDevice(HidTransport& transport, Reporter& reporter)
{
    const std::vector<HidInterface> present = ListAppliances(transport);
    if (present.empty()) {
        reporter.log(QString::fromLatin1(kNotFoundLine));
        return false;
    }
    reporter.log(QStringLiteral("Orvik 2.0 found, vid: Vid_0483, pid: A04F"));
    QString reason;
    if (!transport.open(present.front().path, reason)) {
        reporter.log(QStringLiteral("Orvik 2.0 could not be opened: ") + reason + kOpenHint);
        return false;
    }
    return true;
}

void CloseDevice(HidTransport& transport)
{
    transport.close();
}

} // namespace orvik
