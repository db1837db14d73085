#include "device/device_choice.h"

#include "device/device_link.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace orvik {

ChosenAppliance::ChosenAppliance(HidTransport& transport, QString choice)
    : ForwardingTransport(transport), choice_(std::move(choice))
{}

namespace {

bool named(const HidInterface& candidate, const QString& choice)
{
    return QString::fromStdString(candidate.path) == choice || candidate.serialNumber == choice;
}

} // namespace

QString applianceName(const HidInterface& appliance)
{
    return appliance.serialNumber.isEmpty() ? QString::fromStdString(appliance.path)
                                            : appliance.serialNumber;
}

QString NoMatchLine(HidTransport& transport, const QString& choice)
{
    const std::vector<HidInterface> attached = ListAppliances(transport);
    if (attached.empty() || std::any_of(attached.begin(), attached.end(),
                                        [&](const HidInterface& i) { return named(i, choice); }))
        return {};
    QStringList names;
    for (const HidInterface& i : attached)
        names << applianceName(i);
    return QCoreApplication::translate("Appliance", "No attached Orvik 2.0 matches %1 (attached: "
                                                    "%2).")
        .arg(choice, names.join(QStringLiteral(", ")));
}

bool ChosenAppliance::chosen(const HidInterface& candidate) const
{
    if (opened_) {
        return candidate.path == opened_->path &&
               (opened_->serialNumber.isEmpty() || candidate.serialNumber == opened_->serialNumber);
    }
    if (choice_.isEmpty())
        return true;
    return named(candidate, choice_);
}

std::vector<HidInterface> ChosenAppliance::enumerate()
{
    listed_ = ForwardingTransport::enumerate();
    std::erase_if(listed_, [this](const HidInterface& i) { return !chosen(i); });
    return listed_;
}

Result<> ChosenAppliance::open(const std::string& path)
{
    if (Result<> opened = ForwardingTransport::open(path); !opened.ok())
        return opened;
    if (!opened_) {
        const auto it = std::find_if(listed_.begin(), listed_.end(),
                                     [&](const HidInterface& i) { return i.path == path; });
        opened_ = it != listed_.end() ? *it : HidInterface{0, 0, path, {}};
    }
    return {};
}

} // namespace orvik
