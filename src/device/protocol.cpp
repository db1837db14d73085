#include "device/protocol.h"

#include "settings/operation.h"

#include <algorithm>
#include <numeric>

namespace orvik {

namespace {

// Sends the request and takes the reply; true when both went whole and the
// reply echoes the command.
bool exchange(HidTransport& transport, const Report& request, Report& reply)
{
    if (transport.write(request) != kReportSize)
        return false;
    if (transport.read(reply, kReplyTimeoutMs) != kReportSize)
        return false;
    return reply[kCommandOffset] == request[kCommandOffset];
}

bool writePage(HidTransport& transport, Command command, PageData data, std::uint16_t pageIndex)
{
    Report reply{};
    return exchange(transport, buildRequest(command, pageIndex, data), reply);
}

} // namespace

std::uint16_t pageChecksum(PageData data)
{
    return static_cast<std::uint16_t>(std::accumulate(data.begin(), data.end(), 0u));
}

Report buildRequest(Command command, std::uint16_t pageIndex, std::optional<PageData> data)
{
    Report request{};
    request[kCommandOffset] = static_cast<std::uint8_t>(command);
    if (command == Command::FirmwareVersion)
        return request;
    putLe16(request, kPageIndexOffset, pageIndex);
    if (data) {
        std::copy(data->begin(), data->end(), request.begin() + kPageDataOffset);
        putLe16(request, kChecksumOffset, pageChecksum(*data));
    }
    return request;
}

QString versionText(std::uint32_t hundredths)
{
    return QString::asprintf("%.2f", hundredths * 0.01);
}

bool QueryFirmwareVersion(HidTransport& transport, std::uint32_t& version)
{
    Report reply{};
    if (!exchange(transport, buildRequest(Command::FirmwareVersion), reply))
        return false;
    version = static_cast<std::uint32_t>(getLe16(reply, kVersionOffset)) |
              static_cast<std::uint32_t>(getLe16(reply, kVersionOffset + 2)) << 16;
    return true;
}

bool ShowFirmwareVersion(HidTransport& transport, Reporter& reporter)
{
    std::uint32_t version = 0;
    if (!QueryFirmwareVersion(transport, version))
        return false;
    reporter.notice(QStringLiteral("Firmware version: ") + versionText(version));
    return true;
}

bool ReadConfigPage(HidTransport& transport, PageBuffer destination, std::uint16_t pageIndex)
{
    Report reply{};
    if (!exchange(transport, buildRequest(Command::ReadConfigPage, pageIndex), reply))
        return false;
    const PageData received(reply.data() + kPageDataOffset, kPageSize);
    if (pageChecksum(received) != getLe16(reply, kChecksumOffset))
        return false;
    std::copy(received.begin(), received.end(), destination.begin());
    return true;
}

bool WriteConfigPage(HidTransport& transport, PageData data, std::uint16_t pageIndex)
{
    return writePage(transport, Command::WriteConfigPage, data, pageIndex);
}

bool WriteFirmwarePage(HidTransport& transport, PageData data, std::uint16_t pageIndex)
{
    return writePage(transport, Command::WriteFirmwarePage, data, pageIndex);
}

} // namespace orvik
