#include "device/device_link.h"

#include "device/progress.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cerrno>

namespace orvik {

namespace {

// What the user can do about a failed open, by the system's reason: access
// to the device node for a permission error, the cable for a vanished
// device; nothing for the rest ("Device or resource busy").
// The line is marked for translation in the context "Appliance", "%1" standing
// for the reason.
struct OpenHint {
    int error;
    const char* line;
};

constexpr char kCannotOpen[] = QT_TRANSLATE_NOOP("Appliance", "Orvik 2.0 could not be opened: %1");
#ifdef Q_OS_LINUX
constexpr char kNoAccess[] = QT_TRANSLATE_NOOP(
    "Appliance", "Orvik 2.0 could not be opened: %1 (on Linux, install the udev rule "
                 "60-orvik.rules; see the README)");
#else
constexpr const char* kNoAccess = kCannotOpen;
#endif
constexpr char kGone[] = QT_TRANSLATE_NOOP(
    "Appliance",
    "Orvik 2.0 could not be opened: %1 (the appliance is no longer there: plug it in again)");
constexpr std::array kOpenHints = {
    OpenHint{EACCES, kNoAccess},
    OpenHint{EPERM, kNoAccess},
    OpenHint{ENODEV, kGone},
    OpenHint{ENOENT, kGone},
};

const OpenHint* openHint(int error)
{
    const auto hint = std::find_if(kOpenHints.begin(), kOpenHints.end(),
                                   [&](const OpenHint& h) { return error == h.error; });
    return hint == kOpenHints.end() ? nullptr : &*hint;
}

QString cannotOpenLine(const QString& reason, int error)
{
    const OpenHint* hint = openHint(error);
    return QCoreApplication::translate("Appliance", hint ? hint->line : kCannotOpen).arg(reason);
}

} // namespace

QString openHintLine(const QString& reason, int error)
{
    return openHint(error) ? cannotOpenLine(reason, error) : QString();
}

QString notFoundLine()
{
    return QCoreApplication::translate("Appliance", "Orvik 2.0 not found.");
}

QString inUseText()
{
    return QCoreApplication::translate("Appliance", "Orvik 2.0 is in use by another program.");
}

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
        return OperationError(Cause::NotFound, notFoundLine());
    const std::string& path = present.front().path;
    const Result<Claim> claim = transport.claim(path);
    if (claim.ok() && *claim == Claim::Busy)
        return OperationError(Cause::InUse, inUseText());
    progress.logStep(
        QCoreApplication::translate("Appliance", "Orvik 2.0 found, vid: Vid_0483, pid: A04F"));
    const Result<> opened = claim.ok() ? transport.open(path) : Result<>(claim.error());
    if (!opened.ok()) {
        const OperationError& why = opened.error();
        return OperationError(Cause::CannotOpen, cannotOpenLine(why.text(), why.systemError()), {},
                              why.systemError());
    }
    return {};
}

void CloseDevice(HidTransport& transport)
{
    transport.close();
}

} // namespace orvik
