#include "device/protocol.h"

#include "device/hid_log.h"
#include "settings/operation.h"

#include <QtEndian>
#include <algorithm>
#include <numeric>

namespace orvik {

Q_LOGGING_CATEGORY(lcHid, "orvik.hid", QtInfoMsg)

namespace {

// Reports left over from an earlier exchange that are discarded before a
// request; more would mean a device that never stops talking.
constexpr int kStaleReportLimit = 64;

QString hexByte(std::uint8_t byte)
{
    return QStringLiteral("0x") + QString::number(byte, 16).toUpper().rightJustified(2, '0');
}

// "command 0xFC, page 3": which exchange a line of the orvik.hid log is about.
QString exchangeName(const Report& request)
{
    QString name = QStringLiteral("command ") + hexByte(request[kCommandOffset]);
    if (request[kCommandOffset] != static_cast<std::uint8_t>(Command::FirmwareVersion))
        name += QStringLiteral(", page %1")
                    .arg(qFromLittleEndian<std::uint16_t>(request.data() + kPageIndexOffset));
    return name;
}

void logFailure(const Report& request, const QString& what)
{
    qCDebug(lcHid).noquote() << exchangeName(request) + QStringLiteral(": ") + what;
}

// A reply that came after its wait would otherwise be taken for the answer
// to the next request, and every exchange after it would be one behind.
void discardStaleReports(HidTransport& transport, const Report& request)
{
    Report stale{};
    for (int n = 0; n < kStaleReportLimit && transport.read(stale, 0) > 0; ++n)
        logFailure(request, QStringLiteral("discarded a report left from an earlier exchange"));
}

// Sends the request and takes the reply; true when both went whole and the
// reply echoes the command.
bool exchange(HidTransport& transport, const Report& request, Report& reply)
{
    discardStaleReports(transport, request);
    const int written = transport.write(request);
    if (written != kReportSize) {
        logFailure(request,
                   QStringLiteral("request sent %1 of %2 bytes").arg(written).arg(kReportSize));
        return false;
    }
    const int received = transport.read(reply, kReplyTimeoutMs);
    if (received != kReportSize) {
        logFailure(request, QStringLiteral("reply %1 of %2 bytes within %3 ms")
                                .arg(received)
                                .arg(kReportSize)
                                .arg(kReplyTimeoutMs));
        return false;
    }
    if (reply[kCommandOffset] != request[kCommandOffset]) {
        logFailure(request, QStringLiteral("reply echoes ") + hexByte(reply[kCommandOffset]));
        return false;
    }
    return true;
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
    qToLittleEndian(pageIndex, request.data() + kPageIndexOffset);
    if (data) {
        std::copy(data->begin(), data->end(), request.begin() + kPageDataOffset);
        qToLittleEndian(pageChecksum(*data), request.data() + kChecksumOffset);
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
    version = qFromLittleEndian<std::uint32_t>(reply.data() + kFirmwareVersionOffset);
    return true;
}

Result<> ShowFirmwareVersion(HidTransport& transport, Reporter& reporter)
{
    std::uint32_t version = 0;
    if (!QueryFirmwareVersion(transport, version))
        return logLine(kFirmwareVersionReadError);
    reporter.notice(QStringLiteral("Firmware version: ") + versionText(version));
    return {};
}

bool ReadConfigPage(HidTransport& transport, PageBuffer destination, std::uint16_t pageIndex)
{
    Report reply{};
    const Report request = buildRequest(Command::ReadConfigPage, pageIndex);
    if (!exchange(transport, request, reply))
        return false;
    const PageData received(reply.data() + kPageDataOffset, kPageSize);
    const auto sum = pageChecksum(received);
    const auto stated = qFromLittleEndian<std::uint16_t>(reply.data() + kChecksumOffset);
    if (sum != stated) {
        logFailure(request,
                   QStringLiteral("page sums to %1, the reply says %2").arg(sum).arg(stated));
        return false;
    }
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
