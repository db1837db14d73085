#include "device/emulator.h"
#include "device/protocol.h"
#include "frontend/read_config.h"
#include "support/recording_reporter.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <array>
#include <deque>

namespace orvik {
namespace {

// The bytes written out, then zeros up to 65.
Report frame(const QString& hex)
{
    Report r{};
    int i = 0;
    for (const QString& byte : hex.split(' ', Qt::SkipEmptyParts))
        r[i++] = static_cast<std::uint8_t>(byte.toUInt(nullptr, 16));
    return r;
}

std::array<std::uint8_t, 32> counting()
{
    std::array<std::uint8_t, 32> page{};
    for (int i = 0; i < 32; ++i)
        page[i] = static_cast<std::uint8_t>(i);
    return page;
}

std::array<std::uint8_t, 32> filled(std::uint8_t value)
{
    std::array<std::uint8_t, 32> page{};
    page.fill(value);
    return page;
}

QString hex(std::span<const std::uint8_t> bytes)
{
    QStringList out;
    for (const std::uint8_t b : bytes)
        out << QString::number(b, 16).toUpper().rightJustified(2, '0');
    return out.join(' ');
}

// The queried version into `version`, which a failed query leaves alone.
bool takeVersion(const Result<std::uint32_t>& reply, std::uint32_t& version)
{
    if (reply.ok())
        version = *reply;
    return reply.ok();
}

// Answers every request with a frame written out by hand; `waiting` holds
// reports already there before the request, as a reply that came late.
class HandWrittenReplies : public HidTransport {
public:
    struct Frame {
        Report bytes;
        int length = kReportSize;
    };

    std::vector<HidInterface> enumerate() override { return {}; }
    Result<> open(const std::string&) override { return {}; }
    int write(const Report&) override
    {
        waiting.push_back(reply);
        return kReportSize;
    }
    int read(Report& frame, int timeoutMs) override
    {
        timeouts.push_back(timeoutMs);
        if (waiting.empty())
            return 0;
        const Frame next = waiting.front();
        waiting.pop_front();
        std::copy_n(next.bytes.begin(), next.length, frame.begin());
        return next.length;
    }
    void close() override {}

    Frame reply;
    std::deque<Frame> waiting;
    std::vector<int> timeouts;
};

struct Exchanges : ::testing::Test {
    Exchanges()
    {
        appliance = &emulator.attach("emu0");
        EXPECT_TRUE(emulator.open("emu0").ok());
    }
    ApplianceEmulator emulator;
    Appliance* appliance;
};

TEST_F(Exchanges, RequestsAreLaidOutByteForByte)
{
    const auto ff = filled(0xFF);
    const auto zero = filled(0x00);
    const auto count = counting();
    std::array<std::uint8_t, 32> destination{};
    const struct {
        const char* name;
        std::function<bool()> exchange;
        QString expected;
    } rows[] = {
        {"version query", [&] { return QueryFirmwareVersion(emulator).ok(); }, "00 FB"},
        {"read page 0", [&] { return ReadConfigPage(emulator, destination, 0).ok(); },
         "00 FC 00 00"},
        {"read page 191", [&] { return ReadConfigPage(emulator, destination, 191).ok(); },
         "00 FC BF 00"},
        {"write page 1 counting", [&] { return WriteConfigPage(emulator, count, 1).ok(); },
         "00 FD 01 00 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 14 15 16 17 18 "
         "19 "
         "1A 1B 1C 1D 1E 1F F0 01"},
        {"write page 191 of FF", [&] { return WriteConfigPage(emulator, ff, 191).ok(); },
         "00 FD BF 00 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF "
         "FF "
         "FF FF FF FF FF FF E0 1F"},
        {"write page of zeros", [&] { return WriteConfigPage(emulator, zero, 0).ok(); }, "00 FD"},
        {"firmware page 1471", [&] { return WriteFirmwarePage(emulator, ff, 1471).ok(); },
         "00 FE BF 05 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF "
         "FF "
         "FF FF FF FF FF FF E0 1F"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(row.exchange());
        EXPECT_EQ(appliance->lastRequest, frame(row.expected));
    }
}

// The reply layout as the appliance sends it, independent of the code's own
// offsets: what is taken from which byte, and what is never looked at.
TEST(Replies, AreTakenFromTheirBytes)
{
    const QString page5 = "11" + QString(" FF").repeated(30) + " 22"; // sums to 0x1E15
    const QString page4 = QString("44 ").repeated(31) + "44";         // sums to 0x0880
    const struct {
        const char* name;
        Command command;
        QStringList waiting; // reports there before the request
        QString reply;
        int replyLength;
        bool ok;
        QString output; // the version, or the page read; "-" untouched
    } rows[] = {
        {"version 102", Command::FirmwareVersion, {}, "00 FB 66 00 00 00", 65, true, "102"},
        {"version in four bytes",
         Command::FirmwareVersion,
         {},
         "00 FB 04 03 02 01",
         65,
         true,
         "16909060"},
        {"version, wrong echo", Command::FirmwareVersion, {}, "00 FC 66", 65, false, "-"},
        {"version, 64 bytes", Command::FirmwareVersion, {}, "00 FB 66", 64, false, "-"},
        {"page 5", Command::ReadConfigPage, {}, "00 FC 05 00 " + page5 + " 15 1E", 65, true, page5},
        {"page 5, bytes 2 and 3 not looked at",
         Command::ReadConfigPage,
         {},
         "00 FC 99 99 " + page5 + " 15 1E",
         65,
         true,
         page5},
        {"page 5, checksum one off",
         Command::ReadConfigPage,
         {},
         "00 FC 05 00 " + page5 + " 16 1E",
         65,
         false,
         "-"},
        {"page 5, checksum bytes swapped",
         Command::ReadConfigPage,
         {},
         "00 FC 05 00 " + page5 + " 1E 15",
         65,
         false,
         "-"},
        {"page 5 after page 4 came late",
         Command::ReadConfigPage,
         {"00 FC 04 00 " + page4 + " 80 08"},
         "00 FC 05 00 " + page5 + " 15 1E",
         65,
         true,
         page5},
        {"page 5 after two stale reports",
         Command::ReadConfigPage,
         {"00 FC 04 00 " + page4 + " 80 08", "00 FB 66"},
         "00 FC 05 00 " + page5 + " 15 1E",
         65,
         true,
         page5},
        {"page write, echo alone", Command::WriteConfigPage, {}, "00 FD", 65, true, "-"},
        {"page write after its late echo", Command::WriteConfigPage, {"00 FD"}, "", 0, false, "-"},
        {"firmware page, config echo", Command::WriteFirmwarePage, {}, "00 FD", 65, false, "-"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        HandWrittenReplies transport;
        for (const QString& stale : row.waiting)
            transport.waiting.push_back({frame(stale)});
        transport.reply = {frame(row.reply), row.replyLength};
        std::uint32_t version = 7;
        auto page = filled(0xAA);
        bool ok = false;
        QString output = "-";
        switch (row.command) {
        case Command::FirmwareVersion:
            ok = takeVersion(QueryFirmwareVersion(transport), version);
            if (version != 7)
                output = QString::number(version);
            break;
        case Command::ReadConfigPage:
            ok = ReadConfigPage(transport, page, 5).ok();
            if (page != filled(0xAA))
                output = hex(page);
            break;
        case Command::WriteConfigPage:
            ok = WriteConfigPage(transport, counting(), 5).ok();
            break;
        case Command::WriteFirmwarePage:
            ok = WriteFirmwarePage(transport, counting(), 5).ok();
            break;
        }
        EXPECT_EQ(ok, row.ok);
        EXPECT_EQ(output, row.output);
        // Stale reports are fetched without waiting; only the reply is
        // waited for.
        std::vector<int> timeouts(row.waiting.size() + 1, 0);
        timeouts.push_back(5000);
        EXPECT_EQ(transport.timeouts, timeouts);
    }
}

TEST_F(Exchanges, AcceptedRepliesDeliverTheirContent)
{
    appliance->firmwareVersion = 0x01020304;
    appliance->eeprom[32 * 5] = 0x11;
    appliance->eeprom[32 * 5 + 31] = 0x22;
    const Result<std::uint32_t> version = QueryFirmwareVersion(emulator);
    ASSERT_TRUE(version.ok());
    EXPECT_EQ(*version, 0x01020304u);

    std::array<std::uint8_t, 32> page{};
    ASSERT_TRUE(ReadConfigPage(emulator, page, 5).ok());
    auto expected = filled(0xFF);
    expected[0] = 0x11;
    expected[31] = 0x22;
    EXPECT_EQ(page, expected);

    ASSERT_TRUE(WriteConfigPage(emulator, counting(), 2).ok());
    EXPECT_EQ(appliance->eeprom[64 + 31], 0x1F);
}

// Every failure leaves the caller's output as it was and says nothing.
TEST_F(Exchanges, RejectedRepliesLeaveTheOutputUntouched)
{
    const struct {
        const char* name;
        Command command;
        FaultKind kind;
    } rows[] = {
        {"version, write refused", Command::FirmwareVersion, FaultKind::Refuse},
        {"version, wrong echo", Command::FirmwareVersion, FaultKind::WrongEcho},
        {"version, short reply", Command::FirmwareVersion, FaultKind::ShortReply},
        {"version, no reply", Command::FirmwareVersion, FaultKind::NoReply},
        {"page read, bad checksum", Command::ReadConfigPage, FaultKind::BadChecksum},
        {"page read, wrong echo", Command::ReadConfigPage, FaultKind::WrongEcho},
        {"page read, short reply", Command::ReadConfigPage, FaultKind::ShortReply},
        {"page read, no reply", Command::ReadConfigPage, FaultKind::NoReply},
        {"page write, refused", Command::WriteConfigPage, FaultKind::Refuse},
        {"page write, wrong echo", Command::WriteConfigPage, FaultKind::WrongEcho},
        {"firmware page, wrong echo", Command::WriteFirmwarePage, FaultKind::WrongEcho},
        {"firmware page, no reply", Command::WriteFirmwarePage, FaultKind::NoReply},
        {"page write, unplugged", Command::WriteConfigPage, FaultKind::Unplug},
    };
    const auto data = counting();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        appliance->faults = {{row.command, 3, row.kind}};
        appliance->present = true;
        std::uint32_t version = 7;
        auto destination = filled(0xAA);
        bool ok = true;
        switch (row.command) {
        case Command::FirmwareVersion:
            ok = takeVersion(QueryFirmwareVersion(emulator), version);
            break;
        case Command::ReadConfigPage:
            ok = ReadConfigPage(emulator, destination, 3).ok();
            break;
        case Command::WriteConfigPage:
            ok = WriteConfigPage(emulator, data, 3).ok();
            break;
        case Command::WriteFirmwarePage:
            ok = WriteFirmwarePage(emulator, data, 3).ok();
            break;
        }
        EXPECT_FALSE(ok);
        EXPECT_EQ(emulator.gone(), row.kind == FaultKind::Unplug);
        EXPECT_EQ(version, 7u);
        EXPECT_EQ(destination, filled(0xAA));
    }
    // The version reply's bytes 36-37 mean nothing.
    appliance->present = true;
    appliance->faults = {{Command::FirmwareVersion, std::nullopt, FaultKind::BadChecksum}};
    EXPECT_TRUE(QueryFirmwareVersion(emulator).ok());
}

TEST_F(Exchanges, FirmwareVersionNoticeShowsHundredths)
{
    const struct {
        std::uint32_t version;
        const char* text;
    } rows[] = {
        {102, "notice: Firmware version: 1.02"},     {101, "notice: Firmware version: 1.01"},
        {100, "notice: Firmware version: 1.00"},     {0, "notice: Firmware version: 0.00"},
        {12345, "notice: Firmware version: 123.45"},
    };
    for (const auto& row : rows) {
        appliance->firmwareVersion = row.version;
        test::RecordingReporter reporter;
        EXPECT_TRUE(tell(reporter, ShowFirmwareVersion(emulator, reporter)));
        EXPECT_EQ(reporter.calls, QStringList{row.text});
    }
    appliance->faults = {{Command::FirmwareVersion, std::nullopt, FaultKind::NoReply}};
    test::RecordingReporter reporter;
    EXPECT_FALSE(ShowFirmwareVersion(emulator, reporter).ok());
    EXPECT_TRUE(reporter.calls.isEmpty());
}

} // namespace
} // namespace orvik
