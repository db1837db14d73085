#include "device/emulator.h"

#include "device/firmware_upload.h"

#include <algorithm>

namespace orvik {

namespace {

// Firmware pages the appliance has room for.
constexpr int kFirmwarePageLimit = kUploadBufferSize / kPageSize;

// The reply of an appliance that does not understand the request.
constexpr std::uint8_t kNotUnderstood = 0x00;

std::uint16_t pageIndexOf(const Report& request)
{
    return getLe16(request, kPageIndexOffset);
}

const Fault* plannedFault(const Appliance& appliance, std::uint8_t command, std::uint16_t pageIndex)
{
    for (const Fault& f : appliance.faults) {
        if (static_cast<std::uint8_t>(f.command) != command)
            continue;
        if (!f.page || f.command == Command::FirmwareVersion || *f.page == pageIndex)
            return &f;
    }
    return nullptr;
}

bool checksumHolds(const Report& request)
{
    const PageData data(request.data() + kPageDataOffset, kPageSize);
    return pageChecksum(data) == getLe16(request, kChecksumOffset);
}

bool understood(const Report& request)
{
    const std::uint16_t pageIndex = pageIndexOf(request);
    switch (static_cast<Command>(request[kCommandOffset])) {
    case Command::FirmwareVersion:
        return true;
    case Command::ReadConfigPage:
        return pageIndex < kPageCount;
    case Command::WriteConfigPage:
        return pageIndex < kPageCount && checksumHolds(request);
    case Command::WriteFirmwarePage:
        return pageIndex < kFirmwarePageLimit && checksumHolds(request);
    }
    return false;
}

Report answer(const Appliance& appliance, const Report& request)
{
    Report reply{};
    if (!understood(request)) {
        reply[kCommandOffset] = kNotUnderstood;
        return reply;
    }
    const auto command = static_cast<Command>(request[kCommandOffset]);
    reply[kCommandOffset] = request[kCommandOffset];
    if (command == Command::FirmwareVersion) {
        putLe16(reply, kVersionOffset, static_cast<std::uint16_t>(appliance.firmwareVersion));
        putLe16(reply, kVersionOffset + 2,
                static_cast<std::uint16_t>(appliance.firmwareVersion >> 16));
    } else if (command == Command::ReadConfigPage) {
        const std::uint16_t pageIndex = pageIndexOf(request);
        const auto page = appliance.eeprom.begin() + pageIndex * kPageSize;
        putLe16(reply, kPageIndexOffset, pageIndex);
        std::copy_n(page, kPageSize, reply.begin() + kPageDataOffset);
        putLe16(reply, kChecksumOffset, pageChecksum(PageData(page, kPageSize)));
    }
    return reply;
}

// Keeps a page the appliance was sent.
void store(Appliance& appliance, const Report& request)
{
    if (!understood(request))
        return;
    const std::uint16_t pageIndex = pageIndexOf(request);
    const auto data = request.begin() + kPageDataOffset;
    switch (static_cast<Command>(request[kCommandOffset])) {
    case Command::WriteConfigPage:
        std::copy_n(data, kPageSize, appliance.eeprom.begin() + pageIndex * kPageSize);
        break;
    case Command::WriteFirmwarePage: {
        // Page 0 starts a new image.
        if (pageIndex == 0)
            appliance.firmware.clear();
        const qsizetype end = (pageIndex + 1) * kPageSize;
        if (appliance.firmware.size() < end)
            appliance.firmware.resize(end, '\0');
        std::copy_n(data, kPageSize, appliance.firmware.begin() + pageIndex * kPageSize);
        break;
    }
    default:
        return;
    }
    appliance.changed = true;
}

} // namespace

Appliance::Appliance()
{
    eeprom.fill(0xFF);
}

Appliance& ApplianceEmulator::attach(std::string path)
{
    Appliance& a = appliances_.emplace_back();
    a.path = std::move(path);
    return a;
}

std::vector<HidInterface> ApplianceEmulator::enumerate()
{
    std::vector<HidInterface> present;
    for (const Appliance& a : appliances_) {
        if (a.present)
            present.push_back({a.vendorId, a.productId, a.path});
    }
    return present;
}

bool ApplianceEmulator::open(const std::string& path, QString& reason)
{
    close();
    const auto it = std::find_if(appliances_.begin(), appliances_.end(),
                                 [&](const Appliance& a) { return a.present && a.path == path; });
    if (it == appliances_.end()) {
        reason = QStringLiteral("No such device");
        return false;
    }
    if (!it->openError.isEmpty()) {
        reason = it->openError;
        return false;
    }
    open_ = &*it;
    return true;
}

int ApplianceEmulator::write(const Report& request)
{
    if (!open_)
        return 0;
    Appliance& a = *open_;
    const std::uint8_t command = request[kCommandOffset];
    ++a.requestCounts[command];
    a.lastRequest = request;
    if (onRequest)
        onRequest(a, request);

    replyLength_ = 0;
    reply_ = answer(a, request);
    const Fault* fault = plannedFault(a, command, pageIndexOf(request));
    if (!fault) {
        store(a, request);
        replyLength_ = kReportSize;
        return kReportSize;
    }
    switch (fault->kind) {
    case FaultKind::Refuse:
        return 0;
    case FaultKind::WrongEcho:
        reply_[kCommandOffset] = static_cast<std::uint8_t>(~command);
        replyLength_ = kReportSize;
        break;
    case FaultKind::BadChecksum:
        ++reply_[kChecksumOffset];
        replyLength_ = kReportSize;
        break;
    case FaultKind::ShortReply:
        replyLength_ = kReportSize - 1;
        break;
    case FaultKind::NoReply:
        break;
    }
    return kReportSize;
}

int ApplianceEmulator::read(Report& reply, int /*timeoutMs*/)
{
    if (!open_ || replyLength_ == 0)
        return 0;
    std::copy_n(reply_.begin(), replyLength_, reply.begin());
    const int length = replyLength_;
    replyLength_ = 0;
    return length;
}

void ApplianceEmulator::close()
{
    open_ = nullptr;
    replyLength_ = 0;
}

} // namespace orvik
