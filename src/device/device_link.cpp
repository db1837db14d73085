#include "device/device_link.h"

#include "device/progress.h"

#include <array>
#include <cerrno>
#include <cstring>

namespace orvik {

namespace {

// What the user can do about a failed open, by the system's reason: access
// to the device node for a permission error, the cable for a vanished
// device; nothing for the rest ("Device or resource busy").
struct OpenHint {
    int error;
    const char* hint;
};

#ifdef Q_OS_LINUX
#define ORVIK_UDEV_HINT " (on Linux, install the udev rule 60-orvik.rules; see the README)"
#else
#define ORVIK_UDEV_HINT ""
#endif
constexpr char kReplugHint[] = " (the appliance is no longer there: plug it in again)";
constexpr std::array kOpenHints = {
    OpenHint{EACCES, ORVIK_UDEV_HINT},
    OpenHint{EPERM, ORVIK_UDEV_HINT},
    OpenHint{ENODEV, kReplugHint},
    OpenHint{ENOENT, kReplugHint},
};
#undef ORVIK_UDEV_HINT

// Transports give the reason as the system's text, so it is matched as such.
QString hintFor(const QString& reason)
{
    for (const OpenHint& h : kOpenHints) {
        if (reason == QString::fromLocal8Bit(std::strerror(h.error)))
            return QString::fromLatin1(h.hint);
    }
    return {};
}

} // namespace

std::vector<HidInterface> ListAppliances(HidTransport& transport)
{
    std::vector<HidInterface> appliances = transport.enumerate();
    std::erase_if(appliances, [](const HidInterface& i) { return !isAppliance(i); });
    return appliances;
}

Result<> OpenDevice(HidTransport& transport, Progress& progress)
{
    const std::vector<HidInterface> present = ListAppliances(transport);
    if (present.empty())
        return logLine(QString::fromLatin1(kNotFoundLine));
    const std::string& path = present.front().path;
    const Result<Claim> claim = transport.claim(path);
    if (claim.ok() && *claim == Claim::Busy)
        return OperationError(kInUseText);
    progress.log(QString::fromLatin1(kFoundLine));
    const Result<> opened = claim.ok() ? transport.open(path) : Result<>(claim.error());
    if (!opened.ok()) {
        const QString& reason = opened.error().text();
        return logLine(QStringLiteral("Orvik 2.0 could not be opened: ") + reason +
                       hintFor(reason));
    }
    return {};
}

void CloseDevice(HidTransport& transport)
{
    transport.close();
}

} // namespace orvik
