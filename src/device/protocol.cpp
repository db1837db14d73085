#include "device/protocol.h"

#include "device/hid_log.h"

#include <QCoreApplication>
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

// The failure of an exchange: the user reads only the session's line about
// it, the orvik.hid log the reason.
OperationError failed(const Report& request, Cause cause, const QString& reason)
{
    logFailure(request, reason);
    return OperationError(cause, reason);
}

// A reply that came after its wait would otherwise be taken for the answer
// to the next request, and every exchange after it would be one behind.
void discardStaleReports(HidTransport& transport, const Report& request)
{
    Report stale{};
    for (int n = 0; n < kStaleReportLimit && transport.read(stale, 0) > 0; ++n)
        logFailure(request, QStringLiteral("discarded a report left from an earlier exchange"));
}

// Sends the request and takes the reply, when both went whole and the reply
// echoes the command.
Result<Report> requestReply(HidTransport& transport, const Report& request)
{
    discardStaleReports(transport, request);
    const int written = transport.write(request);
    if (written != kReportSize)
        return failed(request, Cause::NoReply,
                      QStringLiteral("request sent %1 of %2 bytes")
                          .arg(QString::number(written), QString::number(kReportSize)));
    Report reply{};
    const int received = transport.read(reply, kReplyTimeoutMs);
    if (received != kReportSize)
        return failed(request, Cause::NoReply,
                      QStringLiteral("reply %1 of %2 bytes within %3 ms")
                          .arg(QString::number(received), QString::number(kReportSize),
                               QString::number(kReplyTimeoutMs)));
    if (reply[kCommandOffset] != request[kCommandOffset])
        return failed(request, Cause::WrongEcho,
                      QStringLiteral("reply echoes ") + hexByte(reply[kCommandOffset]));
    return reply;
}

Result<> writePage(HidTransport& transport, Command command, PageData data, std::uint16_t pageIndex)
{
    const Result<Report> reply = requestReply(transport, buildRequest(command, pageIndex, data));
    if (!reply.ok())
        return reply.error();
    return {};
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

OperationError versionUnreadError(HidTransport& transport)
{
    if (transport.gone())
        return OperationError(
            Cause::Disconnected,
            QCoreApplication::translate("Appliance",
                                        "Orvik 2.0 was disconnected while its firmware version was "
                                        "being read."));
    return OperationError(Cause::VersionUnread,
                          QCoreApplication::translate("Appliance", "Firmware version read error."));
}

QString versionText(std::uint32_t hundredths)
{
    return QString::asprintf("%.2f", hundredths * 0.01);
}

Result<std::uint32_t> QueryFirmwareVersion(HidTransport& transport)
{
    const Result<Report> reply = requestReply(transport, buildRequest(Command::FirmwareVersion));
    if (!reply.ok())
        return reply.error();
    return qFromLittleEndian<std::uint32_t>(reply->data() + kFirmwareVersionOffset);
}

Result<> ReadConfigPage(HidTransport& transport, PageBuffer destination, std::uint16_t pageIndex)
{
    const Report request = buildRequest(Command::ReadConfigPage, pageIndex);
    const Result<Report> reply = requestReply(transport, request);
    if (!reply.ok())
        return reply.error();
    const PageData received(reply->data() + kPageDataOffset, kPageSize);
    const auto sum = pageChecksum(received);
    const auto stated = qFromLittleEndian<std::uint16_t>(reply->data() + kChecksumOffset);
    if (sum != stated)
        return failed(request, Cause::BadChecksum,
                      QStringLiteral("page sums to %1, the reply says %2")
                          .arg(QString::number(sum), QString::number(stated)));
    std::copy(received.begin(), received.end(), destination.begin());
    return {};
}

Result<> WriteConfigPage(HidTransport& transport, PageData data, std::uint16_t pageIndex)
{
    return writePage(transport, Command::WriteConfigPage, data, pageIndex);
}

Result<> WriteFirmwarePage(HidTransport& transport, PageData data, std::uint16_t pageIndex)
{
    return writePage(transport, Command::WriteFirmwarePage, data, pageIndex);
}

} // namespace orvik
