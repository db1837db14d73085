#include "device/config_sessions.h"
#include "device/device_link.h"
#include "device/firmware_upload.h"
#include "device/hidapi_transport.h"
#include "device/protocol.h"
#include "device_hidapi_fake.h"
#include "support/device_texts.h"
#include "support/recording_reporter.h"

#include <QLoggingCategory>
#include <QStringList>
#include <QTemporaryFile>
#include <gtest/gtest.h>

#include <cerrno>

namespace orvik {
namespace {

using test::fakeHid;

// Collects what the transport logs in orvik.hid, with that log switched on.
struct FakeHidTest : ::testing::Test {
    FakeHidTest()
    {
        fakeHid() = {};
        logged().clear();
        EXPECT_TRUE(node.open());
        QLoggingCategory::setFilterRules(QStringLiteral("orvik.hid.debug=true"));
        previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext& context, const QString& text) {
                if (QLatin1String(context.category) == QLatin1String("orvik.hid"))
                    logged() << text;
            });
    }
    ~FakeHidTest() override
    {
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules({});
    }
    static QStringList& logged()
    {
        static QStringList lines;
        return lines;
    }
    void openDevice()
    {
        fakeHid().devices = {{kOrvikVendorId, kOrvikProductId, "/dev/hidraw3", L"0042"}};
        ASSERT_TRUE(transport.open("/dev/hidraw3").ok());
    }

    QtMessageHandler previous;
    HidapiTransport transport;
    test::RecordingReporter reporter;
    QTemporaryFile node; // stands in for the device node that sessions lock
};

TEST_F(FakeHidTest, ListsEachDeviceOnceWithItsSerialNumber)
{
    fakeHid().devices = {
        {kOrvikVendorId, kOrvikProductId, "/dev/hidraw3", L"0042"},
        {kOrvikVendorId, kOrvikProductId, "/dev/hidraw3", L"0042"}, // a second usage
        {0x046D, 0xC52B, "/dev/hidraw0", L""},
        {kOrvikVendorId, kOrvikProductId, "/dev/hidraw5", L""},
    };
    QStringList listed;
    for (const HidInterface& i : transport.enumerate())
        listed << QStringLiteral("%1:%2 %3 %4")
                      .arg(i.vendorId, 4, 16, QChar('0'))
                      .arg(i.productId, 4, 16, QChar('0'))
                      .arg(QString::fromStdString(i.path), i.serialNumber);
    EXPECT_EQ(listed, (QStringList{"0483:a04f /dev/hidraw3 0042", "046d:c52b /dev/hidraw0 ",
                                   "0483:a04f /dev/hidraw5 "}));
    EXPECT_EQ(ListAppliances(transport).size(), 2u);
}

// The session's line adds what the user can do: the udev rule for a
// permission error, the cable for a vanished device, nothing otherwise.
TEST_F(FakeHidTest, OpenFailsWithTheSystemsReason)
{
    const struct {
        const char* name;
        int openErrno;
        const wchar_t* hidError;
        QString reason;
        QString hint;
    } rows[] = {
        {"errno", EACCES, L"Failed to open a device with path '/dev/hidraw3'", "Permission denied",
         test::kUdevHint},
        {"not permitted", EPERM, L"", "Operation not permitted", test::kUdevHint},
        {"vanished", ENODEV, L"", "No such device", test::kReplugHint},
        {"node gone", ENOENT, L"", "No such file or directory", test::kReplugHint},
        {"busy", EBUSY, L"", "Device or resource busy", ""},
        {"hidapi's text without errno", 0, L"hid_open_path: not found", "hid_open_path: not found",
         ""},
        {"neither", 0, L"", "unknown error", ""},
    };
    fakeHid().devices = {{kOrvikVendorId, kOrvikProductId, node.fileName().toStdString(), L""}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fakeHid().openErrno = row.openErrno;
        fakeHid().openFails = true;
        fakeHid().error = row.hidError;
        test::RecordingReporter reporter;
        EXPECT_FALSE(tell(reporter, OpenDevice(transport, reporter)));
        EXPECT_EQ(reporter.calls.last(),
                  "log: Orvik 2.0 could not be opened: " + row.reason + row.hint);
        EXPECT_EQ(logged().size(), 1);
        logged().clear();
    }
}

// Two sessions on one device node, as two programs would hold it: the second
// ends before any exchange, until the first has ended.
TEST_F(FakeHidTest, ASecondSessionFindsTheApplianceInUse)
{
    fakeHid().devices = {{kOrvikVendorId, kOrvikProductId, node.fileName().toStdString(), L""}};
    test::RecordingReporter first, second;
    ASSERT_TRUE(tell(first, OpenDevice(transport, first)));
    CloseDevice(transport); // a session may open again: the node stays its own
    HidapiTransport other;
    EXPECT_FALSE(tell(second, OpenDevice(other, second)));
    EXPECT_EQ(second.calls, QStringList{"error: " + test::kInUse});
    ASSERT_TRUE(transport.endSession().ok());
    EXPECT_TRUE(tell(second, OpenDevice(other, second)));
    EXPECT_EQ(fakeHid().written.size(), 0u);
}

TEST_F(FakeHidTest, ReadPutsTheReportIdInFront)
{
    openDevice();
    std::vector<std::uint8_t> full(64);
    for (int i = 0; i < 64; ++i)
        full[i] = static_cast<std::uint8_t>(0xC0 + i);
    const struct {
        const char* name;
        std::vector<std::uint8_t> report; // empty: none comes
        int readResult;
        int timeoutMs;
        int length;   // what read() says came
        int lastByte; // reply byte at offset length - 1
        QStringList log;
    } rows[] = {
        {"64-byte report", full, 0, 5000, 65, 0xFF, {}},
        {"short report", {0xFB, 0x66}, 0, 5000, 3, 0x66, {}},
        {"long report, cut at 64", std::vector<std::uint8_t>(70, 0x77), 0, 250, 65, 0x77, {}},
        {"nothing in time", {}, 0, 0, 0, -1, {}},
        {"unplugged",
         {},
         -1,
         5000,
         0,
         -1,
         {"hid_read_timeout on /dev/hidraw3 failed: No such device"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (!row.report.empty())
            fakeHid().reports = {row.report};
        fakeHid().readResult = row.readResult;
        fakeHid().error = L"No such device";
        fakeHid().timeouts.clear();
        Report reply;
        reply.fill(0xEE);
        EXPECT_EQ(transport.read(reply, row.timeoutMs), row.length);
        EXPECT_EQ(fakeHid().timeouts, std::vector<int>{row.timeoutMs});
        EXPECT_EQ(fakeHid().readLengths.back(), 64);
        if (row.length > 0) {
            EXPECT_EQ(reply[0], 0);
            EXPECT_EQ(reply[1], row.report[0]);
            EXPECT_EQ(reply[row.length - 1], row.lastByte);
        }
        EXPECT_EQ(logged(), row.log);
        logged().clear();
    }
}

TEST_F(FakeHidTest, WriteSendsTheWholeFrameAndSaysWhyItFailed)
{
    openDevice();
    Report request{};
    request[1] = 0xFD;
    request[64] = 0x5A;
    const struct {
        const char* name;
        int writeResult;
        int sent;
        QStringList log;
    } rows[] = {
        {"whole", -2, 65, {}},
        {"cut short", 9, 9, {}},
        {"failed", -1, 0, {"hid_write on /dev/hidraw3 failed: Broken pipe"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fakeHid().writeResult = row.writeResult;
        fakeHid().error = L"Broken pipe";
        EXPECT_EQ(transport.write(request), row.sent);
        EXPECT_EQ(fakeHid().written.back(),
                  std::vector<std::uint8_t>(request.begin(), request.end()));
        EXPECT_EQ(logged(), row.log);
        logged().clear();
    }
    transport.close();
    transport.close();
    EXPECT_EQ(fakeHid().closes, 1);
    EXPECT_EQ(transport.write(request), 0);
}

// The sessions' log stays as it is; orvik.hid tells why an exchange failed.
TEST_F(FakeHidTest, AFailedExchangeIsLoggedWithTheHidLayersReason)
{
    openDevice();
    fakeHid().reports = {{0xFB, 0x66}}; // left from an earlier exchange
    fakeHid().readResult = -1;
    fakeHid().error = L"No such device";
    EXPECT_FALSE(QueryFirmwareVersion(transport).ok());
    EXPECT_EQ(logged(), (QStringList{
                            "command 0xFB: discarded a report left from an earlier exchange",
                            "hid_read_timeout on /dev/hidraw3 failed: No such device",
                            "hid_read_timeout on /dev/hidraw3 failed: No such device",
                            "command 0xFB: reply 0 of 65 bytes within 5000 ms",
                        }));
    EXPECT_EQ(fakeHid().timeouts, (std::vector<int>{0, 0, 5000}));
}

// Unplugged, a session ends at the page it was on, at once: no reply is
// waited for once the node is gone.
TEST_F(FakeHidTest, AnUnpluggedApplianceEndsTheSessionAtItsPage)
{
    const auto reply = [](Command command) {
        std::vector<std::uint8_t> bytes(kReportSize - 1);
        bytes[0] = static_cast<std::uint8_t>(command);
        bytes[1] = command == Command::FirmwareVersion ? 102 : 0;
        return bytes;
    };
    const FirmwareBytes firmware(QByteArray(10 * kPageSize, 'F'));
    ConfigImage image{};
    const auto read = [&]() -> Result<> {
        const Result<EepromFetch> r = FetchEeprom(image, transport, reporter, SessionWords::Read);
        return r.ok() ? Result<>() : Result<>(r.error(), r.notes());
    };
    const auto write = [&] { return WriteConfigImage(image, transport, reporter); };
    const auto upload = [&] { return UploadFirmwareSession(transport, firmware, reporter); };
    const struct {
        Command pages;
        std::function<Result<>()> session;
        QString lines;
        int pagesSent = 3; // -1: unplugged at the version query
    } rows[] = {
        {Command::WriteConfigPage, write,
         test::kDisconnected.arg(4).arg(192) + test::kUnpluggedWrite},
        {Command::ReadConfigPage, read, test::kDisconnected.arg(4).arg(192) + test::kUnpluggedRead},
        {Command::WriteFirmwarePage, upload,
         test::kDisconnected.arg(4).arg(10) + test::kUnpluggedUpload},
        {Command::WriteConfigPage, write,
         test::kDisconnected.arg(1).arg(192) + test::kUntouchedWrite, 0},
        {Command::WriteFirmwarePage, upload,
         test::kDisconnected.arg(1).arg(10) + test::kUntouchedUpload, 0},
        {Command::WriteConfigPage, write, test::kDisconnectedAtVersion + test::kUntouchedWrite, -1},
        {Command::ReadConfigPage, read, test::kDisconnectedAtVersion + test::kUnpluggedRead, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.lines.toStdString());
        fakeHid() = {};
        fakeHid().devices = {{kOrvikVendorId, kOrvikProductId,
                              QFile::encodeName(node.fileName()).toStdString(), L"0042"}};
        // The pages go, after the version query where the session asks one,
        // then the next finds the appliance gone.
        fakeHid().answers.assign(std::max(row.pagesSent, 0), reply(row.pages));
        if (row.pages != Command::WriteFirmwarePage && row.pagesSent >= 0)
            fakeHid().answers.push_front(reply(Command::FirmwareVersion));
        const int exchanged = static_cast<int>(fakeHid().answers.size());
        fakeHid().unplugAt = exchanged;
        const Result<> ended = row.session();
        ASSERT_FALSE(ended.ok());
        ASSERT_EQ(ended.notes().size(), 1u);
        EXPECT_EQ(ended.notes().front().text() + '\n' + ended.errorText() + '\n', row.lines);
        EXPECT_EQ(std::count(fakeHid().timeouts.begin(), fakeHid().timeouts.end(), kReplyTimeoutMs),
                  exchanged);
        EXPECT_TRUE(transport.endSession().ok());
        ASSERT_TRUE(QFile(node.fileName()).open(QIODevice::WriteOnly)); // plugged in again
    }
}

} // namespace
} // namespace orvik
