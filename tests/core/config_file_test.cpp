#include "configfile/config_file.h"
#include "frontend/reporter.h"
#include "settings/catalogue.h"
#include "settings/settings.h"
#include "support/expected_defaults.h"
#include "support/recording_reporter.h"
#include "support/resource_limit.h"
#include "support/setting_values.h"
#include "support/temp_files.h"
#include "support/validation_cases.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QTemporaryDir>

namespace orvik {
namespace {

// A new file written from the start-up defaults, byte for byte.
const QByteArray kDefaultsFile = [] {
    QByteArray file = "[!WARNING]\r\n"
                      "WARNING=Please do not try to modify this file. It should be "
                      "managed with Orvik 2.0 configurator program.\r\n"
                      "Application=Orvik 2.0 Configurator\r\n"
                      "Version=v1.02\r\n";
    QByteArray section;
    for (const test::ExpectedDefault& row : test::kExpectedDefaults) {
        if (!row.section)
            continue;
        if (section != row.section)
            file += "[" + (section = row.section) + "]\r\n";
        file += QByteArray(row.key ? row.key : row.name) + "=" + row.value + "\r\n";
    }
    return file;
}();

const QString kNotOurs =
    "information: Imported configuration file is not a Orvik 2.0 configuration file. \n"
    "Operation aborted.";
const QString kOtherVersion =
    "information: Imported configuration file version is different than your current "
    "application version. \nPlease double-check configuration fields after import. \n"
    "Some configuration fields my change between firmware versions.";
const QString kUtf16 = "information: Imported configuration file is UTF-16 text, which this "
                       "configurator cannot read (save it as ANSI or UTF-8). \nOperation aborted.";
const QByteArray kUtf8Mark = "\xEF\xBB\xBF";
using test::kIdent;

std::int64_t at1700000000() // 2023-11-14 22:13 UTC
{
    return 1700000000;
}

// "Name=value" for every setting, in catalogue order.
class ConfigFile : public test::TempFiles {
protected:
    bool save(const Settings& s, const QString& path)
    {
        return runOperation(reporter, [&] { return ExportConfigFile(s, path); });
    }
    bool load(Settings& s, const QString& path)
    {
        return runOperation(reporter, [&] { return ImportConfigFile(s, path); });
    }
    // Changes every stored setting away from its default; returns what an
    // import of the exported file must give back.
    static QHash<QString, QString> changeAll(Settings& s)
    {
        QHash<QString, QString> expected;
        int i = 0;
        for (const SettingDef& d : catalogue()) {
            if (isClockField(d.id))
                continue;
            ++i;
            if (d.kind == Kind::Check) {
                s.setChecked(d.name, false);
                expected[d.name] = "0";
            } else if (d.kind == Kind::List) {
                s.setIndex(d.name, d.defaultIndex == 0 ? 1 : 0);
                expected[d.name] = d.defaultIndex == 0 ? "1" : "0";
            } else if (test::expectedRow(d.name.toStdString()).form == test::Form::Number) {
                s.setText(d.name, QString("00%1").arg(i));
                expected[d.name] = QString::number(i);
            } else if (i % 2 == 0) {
                // Blanks around a value and a pair of quotes do not survive.
                s.setText(d.name, QString(" '%1=;\u00e9' ").arg(i));
                expected[d.name] = QString("%1=;\u00e9").arg(i);
            } else {
                // Other control characters are no blanks.
                s.setText(d.name, QString("\x01%1\t\x10\x7f").arg(i));
                expected[d.name] = s.text(d.name);
            }
        }
        EXPECT_EQ(i, test::countExpected([](const auto& row) { return row.section; }));
        s.setIndex("Netconfig", 2);
        expected["Netconfig"] = "-1";
        return expected;
    }

    Settings fresh{at1700000000};
    test::RecordingReporter reporter;
};

TEST_F(ConfigFile, DefaultsMakeTheWholeFileByteForByte)
{
    const QString path = dir.filePath("orvik.cfg");
    ASSERT_TRUE(save(fresh, path));
    EXPECT_EQ(read(path), kDefaultsFile);
    EXPECT_EQ(reporter.calls, QStringList{});
}

TEST_F(ConfigFile, ExportThenImportRestoresEveryFiledSetting)
{
    Settings changed([] { return std::int64_t(0); });
    const QHash<QString, QString> expected = changeAll(changed);
    const QString path = dir.filePath("a.cfg");
    ASSERT_TRUE(save(changed, path));
    ASSERT_TRUE(load(fresh, path));
    EXPECT_EQ(reporter.calls, QStringList{});
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(fresh.valueText(it.key()), it.value()) << it.key().toStdString();
    // The clock fields keep the importing window's time.
    EXPECT_EQ(test::settingValues(fresh, {"Rtcyear", "Rtcmonth", "Rtcday", "Rtchour", "Rtcmin"}),
              (QStringList{"Rtcyear=2023", "Rtcmonth=11", "Rtcday=14", "Rtchour=22", "Rtcmin=13"}));
}

TEST_F(ConfigFile, ExportEncodings)
{
    struct Case {
        const char* setting;
        QString value;
        QByteArray line;
    };
    const Case cases[] = {
        {"www_port", "080", "\r\n[WWW]\r\nWWW_port=80\r\n"},
        {"www_port", "$1F", "\r\nWWW_port=31\r\n"},
        {"www_port", "  -5", "\r\nWWW_port=-5\r\n"},
        {"www_port", "+7", "\r\nWWW_port=7\r\n"},
        {"Ipaddr0", "300", "\r\nIpaddr0=300\r\n"},
        {"Netconfig", "9", "\r\nNetconfig=-1\r\n"},
        {"Uploadpctime", "0", "\r\n[RTC]\r\nUploadpctime=0\r\n"},
        {"Ssid", "07", "\r\nSSID=07\r\n"},
        {"Callsign", "", "\r\nCallsign=\r\n"},
        {"Beacon2_msg", "  a=b;c ", "\r\nBeacon2_msg=  a=b;c \r\n"},
        {"Weather_comment", "caf\u00e9", "\r\nWeather_comment=caf\xe9\r\n"},
    };
    for (const Case& c : cases) {
        Settings s(at1700000000);
        ASSERT_TRUE(s.setValueText(c.setting, c.value).ok());
        const QString path = dir.filePath(QString("%1.cfg").arg(c.setting));
        QFile::remove(path);
        ASSERT_TRUE(save(s, path)) << c.setting;
        EXPECT_TRUE(read(path).contains(c.line)) << c.setting << " " << c.line.constData();
    }
}

TEST_F(ConfigFile, ARefusedExportLeavesTheFileAsItWas)
{
    struct Case {
        const char* setting;
        QString value;
        QString shown;
    };
    const Case cases[] = {
        {"telnet_port", "", "error: '' is not a valid integer value."},
        {"Ipaddr0", "1 2", "error: '1 2' is not a valid integer value."},
        {"WU_rapidfirerate", "2147483648", "error: '2147483648' is not a valid integer value."},
        {"Callsign", "SP9\u0416",
         "information: Callsign - holds a character that cannot be "
         "stored (only Latin-1 characters are allowed)."},
        {"Beacon8_msg", "\u20ac",
         "information: Beacon8_msg - holds a character that cannot be "
         "stored (only Latin-1 characters are allowed)."},
        {"Beacon2_msg", "a\r\n[Telnet]\r\nTelnet_pass=injected",
         "information: Beacon2_msg - holds a character that cannot be stored (a line of a "
         "configuration file cannot hold a line break or NUL)."},
        {"Callsign", "A\nB",
         "information: Callsign - holds a character that cannot be stored (a line of a "
         "configuration file cannot hold a line break or NUL)."},
    };
    const QString path = write("keep.cfg", "[APRS-IS]\nCallsign=OLD\n");
    for (const Case& c : cases) {
        Settings s(at1700000000);
        s.setText(c.setting, c.value);
        reporter.calls.clear();
        EXPECT_FALSE(save(s, path)) << c.setting;
        EXPECT_EQ(reporter.calls, QStringList{c.shown});
        EXPECT_EQ(read(path), "[APRS-IS]\nCallsign=OLD\n");
    }
}

TEST_F(ConfigFile, AnUnwritablePathGivesTheWriteError)
{
    const QByteArray utf16("\xFF\xFE[\0S\0]\0", 8);
    const QString paths[] = {dir.filePath("missing/folder/a.cfg"), dir.path(), fifo("p"),
                             write("u.cfg", utf16)};
    for (const QString& path : paths) {
        reporter.calls.clear();
        EXPECT_FALSE(save(fresh, path));
        EXPECT_EQ(reporter.calls, QStringList{"error: Unable to write to " + path + "."});
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("missing")));
    EXPECT_FALSE(QFileInfo(dir.filePath("p")).isFile());
    EXPECT_EQ(read(dir.filePath("u.cfg")), utf16);
}

TEST_F(ConfigFile, SavingOverAForeignFileKeepsAllOfItAndReplacesOurValuesInPlace)
{
    const QString path = write("mixed.cfg", "; my notes\r\n"
                                            "[Device]\n"
                                            "  latitude  =  1 \n"
                                            "Unknown=keep me\n"
                                            "\n"
                                            "[Mine]\r\n"
                                            "  q = \"quoted\"  \r\n"
                                            "[Telnet]\n"
                                            "Telnet_pass='old'");
    ASSERT_TRUE(save(fresh, path));
    const qsizetype network = kDefaultsFile.indexOf("[Network]");
    const qsizetype telnet = kDefaultsFile.indexOf("[Telnet]");
    const qsizetype debug = kDefaultsFile.indexOf("[Debug]");
    // The default lines of `section` but the one of `key`, in the table's order.
    const auto defaultsBut = [](const QByteArray& section, const QByteArray& key) {
        const QByteArray header = "[" + section + "]\r\n";
        const qsizetype from = kDefaultsFile.indexOf(header) + header.size();
        QByteArray lines;
        for (const QByteArray& line : kDefaultsFile.mid(from).split('\n')) {
            if (line.startsWith('['))
                break;
            if (!line.startsWith(key + '='))
                lines += line + '\n';
        }
        return lines;
    };
    EXPECT_EQ(read(path), "; my notes\r\n"
                          "[Device]\n"
                          "latitude=5223.08N\r\n"
                          "Unknown=keep me\n" +
                              defaultsBut("Device", "Latitude") +
                              "\n"
                              "[Mine]\r\n"
                              "  q = \"quoted\"  \r\n"
                              "[Telnet]\n"
                              "Telnet_pass=tokra\r\n" +
                              defaultsBut("Telnet", "Telnet_pass") +
                              "[!WARNING]\r\n"
                              "WARNING=Please do not try to modify this file. It should be managed "
                              "with Orvik 2.0 configurator program.\r\n"
                              "Application=Orvik 2.0 Configurator\r\n"
                              "Version=v1.02\r\n" +
                              kDefaultsFile.mid(network, telnet - network) +
                              kDefaultsFile.mid(debug));
}

TEST_F(ConfigFile, IdentificationTest)
{
    struct Case {
        const char* name;
        QByteArray file;
        bool accepted;
    };
    const QByteArray setting = "[APRS-IS]\nCallsign=X\n";
    const Case cases[] = {
        {"ours", kIdent + setting, true},
        {"names in any case",
         "[!warning]\nAPPLICATION=Orvik 2.0 Configurator\nversion=v1.02\n" + setting, true},
        {"quoted", "[!WARNING]\nApplication=\"Orvik 2.0 Configurator\"\nVersion=v1.02\n" + setting,
         true},
        {"value in another case",
         "[!WARNING]\nApplication=orvik 2.0 configurator\nVersion=v1.02\n" + setting, false},
        {"longer value", "[!WARNING]\nApplication=Orvik 2.0 Configurator v1.02\n" + setting, false},
        {"empty value", "[!WARNING]\nApplication=\n" + setting, false},
        {"no identification section", kDefaultsFile.mid(kDefaultsFile.indexOf("[Device]")), false},
        {"key in another section", "[Device]\nApplication=Orvik 2.0 Configurator\n" + setting,
         false},
        {"binary", kIdent + setting + '\0', false},
        {"UTF-8 mark", kUtf8Mark + kIdent + setting, true},
        {"mark not at the start", "\n" + kUtf8Mark + kIdent + setting, false},
    };
    for (const Case& c : cases) {
        Settings s(at1700000000);
        reporter.calls.clear();
        EXPECT_EQ(load(s, write("id.cfg", c.file)), c.accepted) << c.name;
        if (c.accepted) {
            EXPECT_EQ(reporter.calls, QStringList{}) << c.name;
            EXPECT_EQ(s.text("Callsign"), "X") << c.name;
        } else {
            EXPECT_EQ(reporter.calls, QStringList{kNotOurs}) << c.name;
            EXPECT_EQ(test::settingValues(s), test::settingValues(fresh)) << c.name;
        }
    }
    // Nothing blocks on a FIFO or reads a device without end; UTF-16 text is
    // refused as such.
    const QString ident = QString::fromLatin1(kIdent + setting);
    const QByteArray utf16 =
        "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(ident.utf16()), ident.size() * 2);
    const std::pair<QString, QString> refused[] = {
        {dir.filePath("missing.cfg"), kNotOurs},
        {dir.path(), kNotOurs},
        {fifo("p"), kNotOurs},
        {QStringLiteral("/dev/zero"), kNotOurs},
        {write("u.cfg", utf16), kUtf16},
    };
    for (const auto& [path, shown] : refused) {
        reporter.calls.clear();
        EXPECT_FALSE(load(fresh, path));
        EXPECT_EQ(reporter.calls, QStringList{shown}) << path.toStdString();
    }
    EXPECT_EQ(test::settingValues(fresh), test::settingValues(Settings(at1700000000)));
}

TEST_F(ConfigFile, AUtf8FileWithItsMarkIsReadAndUpdatedInUtf8)
{
    const QString path = write("u.cfg", kUtf8Mark + kIdent + "[APRS-IS]\r\nCallsign=\xC3\xA9X\r\n");
    Settings s(at1700000000);
    ASSERT_TRUE(load(s, path));
    EXPECT_EQ(s.text("Callsign"), "\u00e9X");
    s.setText("Callsign", "\u00fc");
    ASSERT_TRUE(save(s, path));
    const QByteArray saved = read(path);
    EXPECT_TRUE(saved.startsWith(kUtf8Mark + kIdent));
    EXPECT_TRUE(saved.contains("\r\n[APRS-IS]\r\nCallsign=\xC3\xBC\r\n"));
    EXPECT_EQ(saved.count("[!WARNING]"), 1);
    EXPECT_EQ(reporter.calls, QStringList{});
}

TEST_F(ConfigFile, AnImportThatRunsOutOfMemoryEndsInTheErrorBox)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator aborts instead of failing";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "the sanitizer's allocator aborts instead of failing";
#endif
#endif
    const QString path = write("big.cfg", kIdent + QByteArray(24 << 20, ';'));
    // Room for the import's own needs, not for the file.
    const rlim_t limit = test::statusBytes("VmSize:") + (8 << 20);
    const QString shown = test::withResourceLimit(RLIMIT_AS, limit, [&] {
        Settings s(at1700000000);
        const bool imported = load(s, path);
        return QString::number(imported) + ' ' + reporter.calls.join('|');
    });
    EXPECT_EQ(shown, "0 error: Not enough memory to read " + path + ".");
}

TEST_F(ConfigFile, AnotherVersionIsWarnedOnceThenReadInFull)
{
    const QByteArray versions[] = {"Version=v1.01\n", "Version=\n", "", "Version=V1.02\n"};
    for (const QByteArray& version : versions) {
        Settings s(at1700000000);
        reporter.calls.clear();
        const QByteArray file = "[!WARNING]\nApplication=Orvik 2.0 Configurator\n" + version +
                                "[APRS-IS]\nCallsign=X\n";
        EXPECT_TRUE(load(s, write("v.cfg", file)));
        EXPECT_EQ(reporter.calls, QStringList{kOtherVersion}) << version.constData();
        EXPECT_EQ(s.text("Callsign"), "X");
    }
}

TEST_F(ConfigFile, OnlyTheIdentificationSectionSetsEveryDefault)
{
    Settings s([] { return std::int64_t(0); });
    changeAll(s);
    ASSERT_TRUE(load(s, write("ident.cfg", kIdent)));
    Settings expected([] { return std::int64_t(0); });
    expected.setText("www_port", "23");
    EXPECT_EQ(test::settingValues(s), test::settingValues(expected));
    EXPECT_FALSE(s.isEnabled("Rtcmin"));
}

TEST_F(ConfigFile, ImportedValues)
{
    struct Case {
        QByteArray lines;
        const char* setting;
        QString value;
    };
    const Case cases[] = {
        {"[Device]\nWeather_stationtype=11", "Weather_stationtype", "-1"},
        {"[Device]\nWeather_stationtype=-1", "Weather_stationtype", "-1"},
        {"[Device]\nWeather_stationtype=abc", "Weather_stationtype", "5"},
        {"[Device]\nWeather_stationtype=x3", "Weather_stationtype", "3"},
        {"[Device]\nLatitude=\xe9 ", "Latitude", "\u00e9"},
        {"[Network]\nIpaddr0=300", "Ipaddr0", "300"},
        {"[Network]\nIpaddr0=99999999999", "Ipaddr0", "192"},
        {"[Telnet]\nTelnet_port=", "telnet_port", "23"},
        {"[Telnet]\nTelnet_port=0x1F", "telnet_port", "31"},
        {"[Telnet]\nTelnet_port=007", "telnet_port", "7"},
        {"[WWW]\nWWW_port=8080", "www_port", "8080"},
        {"", "www_port", "23"},
        {"[RTC]\nNtp_enable=0", "Ntp_enable", "0"},
        {"[APRS-IS]\nCallsign=", "Callsign", ""},
        {"[APRS-IS]\nssid=  07 ", "Ssid", "07"},
        {"[Beacons]\nBeacon1_msg=" + QByteArray(200, 'm'), "Beacon1_msg", QString(200, 'm')},
        {"[WeatherUnderground]\nEnable=1", "WU_enable", "1"},
    };
    for (const Case& c : cases) {
        Settings s([] { return std::int64_t(0); });
        changeAll(s);
        EXPECT_TRUE(load(s, write("v.cfg", kIdent + c.lines)));
        EXPECT_EQ(s.valueText(c.setting), c.value) << c.lines.constData();
    }
}

TEST_F(ConfigFile, UploadpctimeRunsTheEnableRule)
{
    struct Case {
        bool before;
        const char* line;
        bool after;
    };
    const Case cases[] = {{true, "Uploadpctime=0", false}, {false, "Uploadpctime=2", true}};
    for (const Case& c : cases) {
        Settings s(at1700000000);
        s.setChecked("Uploadpctime", c.before);
        ASSERT_TRUE(load(s, write("u.cfg", kIdent + "[RTC]\n" + c.line)));
        EXPECT_EQ(s.checked("Uploadpctime"), c.after) << c.line;
        for (const Setting field : kClockFields)
            EXPECT_EQ(s.isEnabled(field), !c.after) << c.line;
        EXPECT_EQ(s.text("Rtcyear"), "2023");
    }
}

} // namespace
} // namespace orvik
