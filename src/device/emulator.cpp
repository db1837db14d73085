#include "device/emulator.h"

#include "files/file_failures.h"

#include <QtEndian>
#include <algorithm>
#include <chrono>
#include <thread>

namespace orvik {

namespace {

// The reply of an appliance that does not understand the request.
constexpr std::uint8_t kNotUnderstood = 0x00;

std::uint16_t pageIndexOf(const Report& request)
{
    return qFromLittleEndian<std::uint16_t>(request.data() + kPageIndexOffset);
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
    return pageChecksum(data) == qFromLittleEndian<std::uint16_t>(request.data() + kChecksumOffset);
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
        qToLittleEndian(appliance.firmwareVersion, reply.data() + kFirmwareVersionOffset);
    } else if (command == Command::ReadConfigPage) {
        const std::uint16_t pageIndex = pageIndexOf(request);
        const auto page = appliance.eeprom.begin() + pageIndex * kPageSize;
        qToLittleEndian(pageIndex, reply.data() + kPageIndexOffset);
        std::copy_n(page, kPageSize, reply.begin() + kPageDataOffset);
        qToLittleEndian(pageChecksum(PageData(page, kPageSize)), reply.data() + kChecksumOffset);
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
        appliance.eepromChanged = true;
        break;
    case Command::WriteFirmwarePage: {
        // Page 0 starts a new image.
        if (pageIndex == 0)
            appliance.firmware.clear();
        const qsizetype end = (pageIndex + 1) * kPageSize;
        if (appliance.firmware.size() < end)
            appliance.firmware.resize(end, '\0');
        std::copy_n(data, kPageSize, appliance.firmware.begin() + pageIndex * kPageSize);
        appliance.firmwareChanged = true;
        break;
    }
    default:
        break;
    }
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
            present.push_back({a.vendorId, a.productId, a.path, a.serialNumber});
    }
    return present;
}

int Appliance::openErrno() const
{
    // The fault plan gives the system's words, as the user reads them.
    constexpr int kLastErrno = 133;
    for (int error = 1; error <= kLastErrno; ++error) {
        if (openError == systemReason(error))
            return error;
    }
    return 0;
}

Result<> ApplianceEmulator::open(const std::string& path)
{
    close();
    const auto it = std::find_if(appliances_.begin(), appliances_.end(),
                                 [&](const Appliance& a) { return a.present && a.path == path; });
    if (it == appliances_.end())
        return OperationError(Cause::CannotOpen, systemReason(ENODEV), {}, ENODEV);
    if (!it->openError.isEmpty())
        return OperationError(Cause::CannotOpen, it->openError, {}, it->openErrno());
    open_ = &*it;
    return {};
}

int ApplianceEmulator::write(const Report& request)
{
    if (!open_ || !open_->present)
        return 0;
    Appliance& a = *open_;
    const std::uint8_t command = request[kCommandOffset];
    ++a.requestCounts[command];
    a.lastRequest = request;
    if (a.frame.count() > 0)
        pause(a.frame);
    if (onRequest)
        onRequest(a, request);

    const Fault* fault = plannedFault(a, command, pageIndexOf(request));
    Reply reply{answer(a, request)};
    bool done = true; // whether the appliance did what it was asked
    if (fault) {
        switch (fault->kind) {
        case FaultKind::Refuse:
            return 0;
        case FaultKind::WrongEcho:
            reply.bytes[kCommandOffset] = static_cast<std::uint8_t>(~command);
            done = false;
            break;
        case FaultKind::BadChecksum:
            // Only a page read's reply carries a checksum there; any other
            // reply stays good.
            ++reply.bytes[kChecksumOffset];
            break;
        case FaultKind::ShortReply:
            reply.length = kReportSize - 1;
            done = false;
            break;
        case FaultKind::NoReply:
            return kReportSize;
        case FaultKind::Unplug:
            a.present = false;
            replies_.clear();
            return 0;
        case FaultKind::LateReply:
            reply.late = true;
            break;
        case FaultKind::Hold:
            reply.holdMs = fault->holdMs;
            break;
        }
    }
    if (done)
        store(a, request);
    replies_.push_back(reply);
    return kReportSize;
}

int ApplianceEmulator::read(Report& reply, int /*timeoutMs*/)
{
    if (!open_ || replies_.empty())
        return 0;
    Reply& next = replies_.front();
    if (next.late) {
        next.late = false;
        return 0;
    }
    // A slow appliance, so that a test can act in the middle of a session.
    std::this_thread::sleep_for(std::chrono::milliseconds(next.holdMs));
    if (open_->frame.count() > 0)
        pause(open_->frame);
    std::copy_n(next.bytes.begin(), next.length, reply.begin());
    const int length = next.length;
    replies_.pop_front();
    return length;
}

bool ApplianceEmulator::gone()
{
    return open_ && !open_->present;
}

void ApplianceEmulator::close()
{
    open_ = nullptr;
    replies_.clear();
}

} // namespace orvik
