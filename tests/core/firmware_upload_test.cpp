#include "device/emulator.h"
#include "device/firmware_upload.h"
#include "support/recording_reporter.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace orvik {
namespace {

const QString kFound = "log: Orvik 2.0 found, vid: Vid_0483, pid: A04F";

// Bytes that show a misplaced or repeated page.
QByteArray pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251 + 3) % 256);
    return bytes;
}

class TestFirmware : public FirmwareSource {
public:
    explicit TestFirmware(std::optional<QByteArray> image, bool loadable = true)
        : image_(std::move(image)), loadable_(loadable)
    {}
    bool find(int id) const override { return id == 1 && image_.has_value(); }
    std::optional<QByteArray> load(int id) const override
    {
        return find(id) && loadable_ ? image_ : std::nullopt;
    }

private:
    std::optional<QByteArray> image_;
    bool loadable_;
};

struct Upload : ::testing::Test {
    Upload() { appliance = &emulator.attach("emu0"); }
    bool upload(const FirmwareSource& source)
    {
        return tell(reporter, UploadFirmwareSession(emulator, source, reporter));
    }
    QStringList lines() const
    {
        return reporter.calls.filter(QRegularExpression("^(log|information): "));
    }

    ApplianceEmulator emulator;
    Appliance* appliance;
    test::RecordingReporter reporter;
};

TEST_F(Upload, SendsEveryPageAsStoredPaddedWithZeros)
{
    const struct {
        int size;
        int pages;
        QStringList firstLines; // after the "found" line
        QString lastPage;
    } rows[] = {
        {47104, 1472, {"log: Page written: 1/1472"}, "log: Page written: 1472/1472"},
        {33, 2, {"log: Page written: 1/2"}, "log: Page written: 2/2"},
        {245760, 7680, {"log: Page written: 1/7680"}, "log: Page written: 7680/7680"},
        {0, 0, {}, kFound},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.size);
        reporter.calls.clear();
        appliance->requestCounts = {};
        appliance->firmware.clear();
        TestFirmware source(pattern(row.size));
        EXPECT_TRUE(upload(source));

        const QStringList log = lines();
        ASSERT_EQ(log.size(), row.pages + 2);
        EXPECT_EQ(log.mid(1, row.firstLines.size()), row.firstLines);
        EXPECT_EQ(log[log.size() - 2], row.lastPage);
        EXPECT_EQ(log.last(), "log: Firmware upgrade success");
        EXPECT_EQ(reporter.calls.last(), "progress: 0");
        EXPECT_EQ(appliance->requestCount(Command::WriteFirmwarePage), row.pages);
        const QByteArray expected = pattern(row.size) + QByteArray(row.pages * 32 - row.size, '\0');
        EXPECT_EQ(appliance->firmware, expected);
        EXPECT_EQ(emulator.opened(), nullptr);
    }
}

TEST_F(Upload, ReportsEachPageAsItGoes)
{
    TestFirmware source(pattern(64));
    ASSERT_TRUE(upload(source));
    EXPECT_EQ(reporter.calls,
              (QStringList{kFound, "progress: 0", "range: 2", "log: Page written: 1/2",
                           "progress: 1", "log: Page written: 2/2", "progress: 2",
                           "log: Firmware upgrade success", "progress: 0"}));
}

TEST_F(Upload, RefusesBeforeSendingAnything)
{
    const struct {
        const char* name;
        std::optional<QByteArray> image;
        bool loadable;
        QString box;
    } rows[] = {
        {"no image", std::nullopt, true,
         "information: Firmware resource not found (FindResource)."},
        {"cannot be loaded", pattern(64), false,
         "information: Firmware resource not found (LoadResource)."},
        {"one byte too long", pattern(245761), true, "information: Firmware file too long."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        reporter.calls.clear();
        TestFirmware source(row.image, row.loadable);
        EXPECT_FALSE(upload(source));
        EXPECT_EQ(reporter.calls, (QStringList{kFound, row.box}));
        EXPECT_EQ(appliance->requestCount(Command::WriteFirmwarePage), 0);
        EXPECT_EQ(emulator.opened(), nullptr);
    }
}

TEST_F(Upload, StopsAtTheRefusedHundredthPage)
{
    appliance->faults = {{Command::WriteFirmwarePage, 99, FaultKind::WrongEcho}};
    TestFirmware source(pattern(47104));
    EXPECT_FALSE(upload(source));
    const QStringList log = lines();
    ASSERT_EQ(log.size(), 101);
    EXPECT_EQ(log[99], "log: Page written: 99/1472");
    EXPECT_EQ(log.last(), "log: Page write error: 100/1472");
    EXPECT_EQ(reporter.calls.last(), "log: Page write error: 100/1472");
    EXPECT_EQ(appliance->requestCount(Command::WriteFirmwarePage), 100);
    EXPECT_EQ(appliance->firmware, pattern(47104).left(99 * 32));
    EXPECT_EQ(emulator.opened(), nullptr);
}

TEST_F(Upload, EndsAtOnceWithoutAnAppliance)
{
    appliance->present = false;
    TestFirmware source(pattern(64));
    EXPECT_FALSE(upload(source));
    EXPECT_EQ(reporter.calls, QStringList{"log: Orvik 2.0 not found."});
}

TEST(CarriedFirmware, LooksUpIdentifierOneOnly)
{
    CarriedFirmware carried;
    EXPECT_FALSE(carried.find(2));
    EXPECT_EQ(carried.load(2), std::nullopt);
    EXPECT_EQ(carried.find(1), carried.load(1).has_value());
}

} // namespace
} // namespace orvik
