#include "app/folder_appliance.h"
#include "app/gui_reporter.h"
#include "device/config_sessions.h"
#include "device/device_link.h"
#include "device/emulator_folder.h"
#include "files/update_lock.h"
#include "form1_rig.h"
#include "support/device_texts.h"
#include "support/process_wait.h"
#include "support/resource_limit.h"
#include "support/silent_reporter.h"
#include "support/validation_cases.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using orvik::test::child;
using orvik::test::clickToEnd;
using orvik::test::Form1Rig;

QStringList lastLogLines(TForm1& form, int count)
{
    return child<QPlainTextEdit>(form, "Memo1")->toPlainText().split('\n').last(count);
}

TEST(Form1Behaviour, ClockFieldsFollowUploadpctimeOnly)
{
    enum Action { ClickUpload, ClickNtp, ModelUpload, ModelNtp };
    struct Step {
        const char* what;
        Action action;
        bool value; // for the model's changes
        bool clockEnabled;
    };
    const Step steps[] = {
        {"user clears Uploadpctime", ClickUpload, false, true},
        {"user clears Use NTP server", ClickNtp, false, true},
        {"user ticks Use NTP server", ClickNtp, false, true},
        {"user ticks Uploadpctime", ClickUpload, false, false},
        {"program clears Ntp_enable", ModelNtp, false, false},
        {"program ticks Ntp_enable", ModelNtp, true, false},
        {"program clears Uploadpctime", ModelUpload, false, true},
        {"program clears Ntp_enable again", ModelNtp, false, true},
        {"program ticks Uploadpctime", ModelUpload, true, false},
    };
    Form1Rig rig;
    rig.form.show();
    orvik::Settings& settings = rig.form.settings();
    auto* upload = child<QCheckBox>(rig.form, "Uploadpctime");
    auto* ntp = child<QCheckBox>(rig.form, "Ntp_enable");
    const std::pair<const char*, const char*> clock[] = {{"Rtcyear", "2023"},
                                                         {"Rtcmonth", "11"},
                                                         {"Rtcday", "14"},
                                                         {"Rtchour", "22"},
                                                         {"Rtcmin", "13"}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        switch (step.action) {
        case ClickUpload:
            QTest::mouseClick(upload, Qt::LeftButton, {}, QPoint(6, upload->height() / 2));
            break;
        case ClickNtp:
            QTest::mouseClick(ntp, Qt::LeftButton, {}, QPoint(6, ntp->height() / 2));
            break;
        case ModelUpload:
            settings.setChecked("Uploadpctime", step.value);
            break;
        case ModelNtp:
            settings.setChecked("Ntp_enable", step.value);
            break;
        }
        EXPECT_EQ(upload->isChecked(), settings.checked("Uploadpctime"));
        EXPECT_EQ(ntp->isChecked(), settings.checked("Ntp_enable"));
        EXPECT_EQ(upload->isChecked(), !step.clockEnabled);
        for (const auto& [name, text] : clock) {
            const auto* field = child<QLineEdit>(rig.form, name);
            EXPECT_EQ(field->isEnabled(), step.clockEnabled) << name;
            EXPECT_EQ(field->text(), text) << name;
        }
        EXPECT_TRUE(child<QLineEdit>(rig.form, "Ntp_servername")->isEnabled());
    }
}

TEST(Form1Behaviour, ListOutsideItsItemsShowsEmpty)
{
    Form1Rig rig;
    auto* list = child<QComboBox>(rig.form, "Weather_stationtype");
    rig.form.settings().setIndex("Weather_stationtype", 11);
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(list->currentText(), "");
    EXPECT_EQ(rig.form.settings().index("Weather_stationtype"), -1);

    list->setCurrentIndex(10); // the user picks the last item
    EXPECT_EQ(rig.form.settings().index("Weather_stationtype"), 10);
    EXPECT_EQ(list->currentText(), "Davis Vantage Pro2 Plus");
}

TEST(Form1Behaviour, TypingStopsAtTheLimitButProgramTextStaysWhole)
{
    Form1Rig rig;
    auto* latitude = child<QLineEdit>(rig.form, "Latitude");
    latitude->selectAll();
    QTest::keyClicks(latitude, "4807.38N9");
    EXPECT_EQ(latitude->text(), "4807.38N");
    EXPECT_EQ(rig.form.settings().text("Latitude"), "4807.38N");

    rig.form.settings().setText("Latitude", "4807.38N from a file");
    EXPECT_EQ(latitude->text(), "4807.38N from a file");
    latitude->end(false);
    QTest::keyClicks(latitude, "X");
    EXPECT_EQ(rig.form.settings().text("Latitude"), "4807.38N from a file");
}

TEST(Form1Behaviour, UserEditsReachTheModel)
{
    Form1Rig rig;
    QTest::keyClicks(child<QLineEdit>(rig.form, "Beacon3_msg"), "!5223.08N/01658.14E-");
    EXPECT_EQ(rig.form.settings().text("Beacon3_msg"), "!5223.08N/01658.14E-");
    child<QComboBox>(rig.form, "WU_sendmethod")->setCurrentIndex(1);
    EXPECT_EQ(rig.form.settings().index("WU_sendmethod"), 1);
    rig.form.settings().setText("Callsign", "SP3ABC");
    EXPECT_EQ(child<QLineEdit>(rig.form, "Callsign")->text(), "SP3ABC");
}

TEST(Form1Behaviour, EachButtonRunsItsOperation)
{
    Form1Rig rig;
    QTemporaryDir dir;
    const QString file = dir.filePath("station.cfg");
    rig.firmware.bytes = QByteArray(33, '\x5a');
    rig.form.settings().setText("Callsign", "SP3ABC");
    struct Step {
        const char* what;
        void (TForm1::*click)();
        QStringList lastLines;
        QStringList boxes;
    };
    const Step steps[] = {
        {"write config",
         &TForm1::Button5Click,
         {"Page written: 192/192", "Eeprom write success"},
         {}},
        {"read config",
         &TForm1::Button4Click,
         {"Eeprom read success.", "Orvik 2.0 found, vid: Vid_0483, pid: A04F"},
         {"notice: Firmware version: 1.02"}},
        {"upload firmware",
         &TForm1::Button3Click,
         {"Page written: 2/2", "Firmware upgrade success"},
         {}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        rig.dialogs.seen.clear();
        clickToEnd(rig.form, step.click);
        EXPECT_EQ(lastLogLines(rig.form, 2), step.lastLines);
        EXPECT_EQ(rig.dialogs.seen, step.boxes);
        EXPECT_EQ(child<QProgressBar>(rig.form, "ProgressBar1")->value(), 0);
    }
    EXPECT_EQ(rig.device.appliances().front().firmware.size(), 64);

    rig.dialogs.answers = {file};
    rig.form.Button1Click();
    rig.form.settings().setText("Callsign", "NOCALL");
    rig.dialogs.answers = {file};
    rig.form.Button2Click();
    EXPECT_EQ(rig.form.settings().text("Callsign"), "SP3ABC");
}

TEST(Form1Behaviour, AnImportLogsWhatItCouldNotRead)
{
    Form1Rig rig;
    QTemporaryDir dir;
    QFile file(dir.filePath("w.cfg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(orvik::test::kIdent + orvik::test::kImportedValues[0].lines);
    file.close();
    rig.form.importFile(file.fileName());
    EXPECT_EQ(lastLogLines(rig.form, 1), QStringList{orvik::test::kImportedValues[0].warning});
}

TEST(Form1Behaviour, FileDialogsStartInConfigAndProposeTheLastFile)
{
    Form1Rig rig;
    const QString config = rig.programFolder.filePath("config");
    ASSERT_TRUE(QDir().mkdir(config));
    const QString filter = "Orvik config files (*.cfg)";
    QTemporaryDir dir;
    const QString file = dir.filePath("a.cfg");

    rig.form.Button1Click(); // cancelled
    rig.dialogs.answers = {file};
    rig.form.Button1Click();
    rig.form.Button1Click(); // cancelled again: the last file stays proposed
    rig.form.Button2Click(); // cancelled
    rig.dialogs.answers = {file};
    rig.form.Button2Click();
    rig.form.Button2Click();
    EXPECT_EQ(rig.dialogs.seen, QStringList({
                                    "save: " + config + " | orvik.cfg | " + filter,
                                    "save: " + config + " | orvik.cfg | " + filter,
                                    "save: " + config + " | " + file + " | " + filter,
                                    "open: " + config + " |  | " + filter,
                                    "open: " + config + " |  | " + filter,
                                    "open: " + config + " | " + file + " | " + filter,
                                }));
    EXPECT_TRUE(QFile::exists(file));
}

TEST(Form1Behaviour, EmulatedApplianceFolderAndStartFile)
{
    orvik::test::ApplicationReady ready;
    QTemporaryDir dir;
    const QString folder = dir.filePath("appliance");
    orvik::test::FakeDialogs dialogs;
    orvik::test::BytesFirmware firmware;
    // A window on the appliance kept in `folder`, as --emulator starts it.
    struct Window {
        orvik::FolderAppliance appliance;
        std::unique_ptr<TForm1> form;
    };
    const auto open = [&](Window& w) {
        const orvik::Result<> loaded = w.appliance.load(folder);
        ASSERT_TRUE(loaded.ok()) << loaded.errorText().toStdString();
        w.form = std::make_unique<TForm1>(
            orvik::Form1Services{[] { return std::int64_t{1700000000}; }, &dialogs,
                                 &w.appliance.transport(), &firmware, dir.path()});
        w.appliance.serve(*w.form);
    };

    Window first;
    open(first);
    EXPECT_EQ(first.form->windowTitle(), "Orvik 2.0 Configurator v1.02 (emulator)");
    first.form->settings().setText("Callsign", "SP3ABC");
    clickToEnd(*first.form, &TForm1::Button5Click);
    EXPECT_EQ(QFileInfo(folder + "/eeprom.bin").size(), 6144);

    // What one run wrote, the next reads; a file named on the command line
    // is read as "Read from file" reads it, and proposed next time.
    Window second;
    open(second);
    clickToEnd(*second.form, &TForm1::Button4Click);
    EXPECT_EQ(second.form->settings().text("Callsign"), "SP3ABC");
    const QString file = dir.filePath("start.cfg");
    second.form->settings().setText("Callsign", "SP9XYZ");
    dialogs.answers = {file};
    second.form->Button1Click();
    second.form->settings().setText("Callsign", "NOCALL");
    second.form->importFile(file);
    EXPECT_EQ(second.form->settings().text("Callsign"), "SP9XYZ");

    // What orvikctl wrote meanwhile is what the window reads.
    orvik::FolderEmulator cli;
    orvik::Settings settings([] { return std::int64_t{1700000000}; });
    settings.setText("Callsign", "SP9CLI");
    orvik::ConfigImage image{};
    orvik::test::SilentReporter silent;
    ASSERT_TRUE(cli.load(folder).ok());
    ASSERT_TRUE(orvik::WriteConfigSession(settings, image, cli, silent).ok());
    clickToEnd(*second.form, &TForm1::Button4Click); // while orvikctl still has it
    EXPECT_EQ(dialogs.seen.last(), "error: " + orvik::test::kInUse);
    ASSERT_TRUE(cli.endSession().ok());
    bool freeMeanwhile = false; // while the firmware version box waits
    dialogs.whileOpen = [&] {
        freeMeanwhile = orvik::OpenDevice(cli, silent).ok() && cli.endSession().ok();
    };
    clickToEnd(*second.form, &TForm1::Button4Click);
    dialogs.whileOpen = [] {};
    EXPECT_TRUE(freeMeanwhile);
    EXPECT_EQ(second.form->settings().text("Callsign"), "SP9CLI");
    QFile faults(folder + "/faults"); // unplugged while the window is open
    ASSERT_TRUE(faults.open(QIODevice::WriteOnly) && faults.write("absent\n") == 7);
    faults.close();
    clickToEnd(*second.form, &TForm1::Button4Click);
    EXPECT_EQ(lastLogLines(*second.form, 1), QStringList{"Orvik 2.0 not found."});
    ASSERT_TRUE(faults.open(QIODevice::WriteOnly)); // and back
    faults.close();
    clickToEnd(*second.form, &TForm1::Button4Click);
    EXPECT_EQ(lastLogLines(*second.form, 2).first(), "Eeprom read success.");

    // The folder gone and a regular file in its place: no session starts.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    clickToEnd(*second.form, &TForm1::Button5Click);
    EXPECT_EQ(lastLogLines(*second.form, 1),
              QStringList{"Orvik 2.0 could not be opened: " + folder + ": Not a directory"});
}

// A signal in the middle of "Write config" does not cut it in half: the write
// ends, then the program, with 128 + the signal.
TEST(Form1Behaviour, ASignalLetsTheWriteFinishThenEndsTheProgram)
{
    Form1Rig rig;
    rig.device.onRequest = [&](const orvik::Appliance& a, const orvik::Report&) {
        if (a.requestCount(orvik::Command::WriteConfigPage) == 6)
            ::kill(::getpid(), SIGTERM);
    };
    QTimer::singleShot(0, &rig.form, [&rig] {
        clickToEnd(rig.form, &TForm1::Button5Click);
        QTimer::singleShot(0, &rig.form, [] { QCoreApplication::exit(-1); }); // no exit asked
    });
    EXPECT_EQ(QCoreApplication::exec(), 128 + SIGTERM);
    EXPECT_EQ(lastLogLines(rig.form, 1), QStringList{"Eeprom write success"});
}

// Before the first page a signal ends the program at once, having written
// nothing; the window runs in a child, which it ends.
TEST(Form1Behaviour, ASignalBeforeTheFirstPageEndsTheProgramWithoutWriting)
{
    const QString again = "--gtest_filter=Form1Behaviour.ASignalBeforeTheFirstPageEndsTheProgram*";
    const orvik::test::CopyEnd end = orvik::test::runInCopy({again}, [] {
        Form1Rig rig;
        rig.device.onRequest = [](const orvik::Appliance&, const orvik::Report& request) {
            if (request[1] == static_cast<std::uint8_t>(orvik::Command::FirmwareVersion)) {
                ::kill(::getpid(), SIGTERM);
                ::sleep(60); // a slow reply, during which the program ends
            }
        };
        rig.form.Button5Click();
        return QString();
    });
    EXPECT_EQ(end.status, 128 + SIGTERM);
    EXPECT_TRUE(end.err.endsWith("orvik-configurator: interrupted before anything was sent; the "
                                 "appliance is unchanged\n"))
        << end.err.constData();
}

TEST(Form1Behaviour, AnErrorEndsTheOperationInTheErrorBox)
{
    Form1Rig rig;
    rig.form.settings().setText("Ipaddr1", "1x8");
    rig.dialogs.answers = {QDir::tempPath() + "/orvik-window-test-never-written.cfg"};
    rig.form.Button1Click();
    rig.form.settings().setText("Ipaddr1", "168");
    rig.dialogs.answers = {"/nonexistent-folder/orvik.cfg"};
    rig.form.Button1Click();
    // Another program updating the file: refused at once, never waited for.
    QTemporaryDir dir;
    const QString held = dir.filePath("held.cfg");
    QFile(held).open(QIODevice::WriteOnly);
    QProcess holder;
    holder.start("flock", {"-o", held, "-c", "echo held && exec cat"}); // until its input ends
    ASSERT_TRUE(holder.waitForReadyRead(orvik::test::kProcessWaitMs));
    rig.dialogs.answers = {held};
    rig.form.Button1Click();
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(orvik::test::kProcessWaitMs));
    EXPECT_EQ(rig.dialogs.seen.filter("error: "),
              QStringList(
                  {"error: '1x8' is not a valid integer value.",
                   "error: Unable to write to /nonexistent-folder/orvik.cfg.",
                   "error: Unable to write to " + held + ": " + orvik::updatedElsewhere() + "."}));
    EXPECT_EQ(QFileInfo(held).size(), 0);
    EXPECT_FALSE(QFile::exists(QDir::tempPath() + "/orvik-window-test-never-written.cfg"));
    EXPECT_TRUE(child<QPushButton>(rig.form, "Button1")->isEnabled());
}

TEST(Form1Behaviour, NoSecondOperationAndCloseWaitsWhileOneRuns)
{
    Form1Rig rig;
    rig.form.show();
    bool closed = true;
    bool once = false;
    rig.dialogs.whileOpen = [&] {
        if (std::exchange(once, true))
            return;
        rig.form.Button2Click();
        rig.form.Button4Click();
        closed = rig.form.close();
        // Clicks still queued behind the close.
        for (void (TForm1::*click)() : {&TForm1::Button5Click, &TForm1::Button1Click,
                                        &TForm1::Button3Click, &TForm1::Button11Click})
            QMetaObject::invokeMethod(&rig.form, click, Qt::QueuedConnection);
    };
    int specialStrings = 0;
    rig.form.setSpecialStringsDialog([&] { ++specialStrings; });
    rig.form.Button1Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(specialStrings, 0);
    EXPECT_EQ(rig.dialogs.seen.size(), 1);
    EXPECT_TRUE(rig.dialogs.seen.front().startsWith("save: "));
    EXPECT_EQ(rig.device.appliances().front().requestCounts, (std::array<int, 256>{}));
    EXPECT_FALSE(closed);
    // Held until the operation ended, then closed.
    EXPECT_FALSE(rig.form.isVisible());
}

TEST(Form1Behaviour, UploadDisablesTheButtonsAndHoldsTheClose)
{
    Form1Rig rig;
    rig.form.show();
    rig.firmware.bytes = QByteArray(96, '\x11');
    QList<QPushButton*> buttons;
    for (const char* name : {"Button1", "Button2", "Button3", "Button4", "Button5"})
        buttons << child<QPushButton>(rig.form, name);
    int pages = 0;
    int specialStrings = 0;
    rig.form.setSpecialStringsDialog([&] { ++specialStrings; });
    bool closed = true;
    bool visibleDuring = false;
    // The user acts on the window's thread while the session's waits; a mutex
    // hands over, since ThreadSanitizer cannot see Qt's own.
    std::mutex handOver;
    std::condition_variable acted;
    bool asked = false;
    bool done = false;
    QTimer user;
    user.callOnTimeout([&] {
        const std::lock_guard lock(handOver);
        if (!asked || done)
            return;
        for (QPushButton* button : buttons)
            EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
        EXPECT_FALSE(child<QPushButton>(rig.form, "Button11")->isEnabled());
        rig.form.Button11Click();
        QTest::keyClick(buttons[4], Qt::Key_Space);
        rig.form.Button4Click();
        closed = rig.form.close();
        visibleDuring = rig.form.isVisible();
        done = true;
        acted.notify_all();
    });
    user.start(1);
    rig.device.onRequest = [&](const orvik::Appliance&, const orvik::Report& request) {
        if (request[1] != 0xFE || ++pages != 2)
            return;
        std::unique_lock lock(handOver);
        asked = true;
        acted.wait(lock, [&] { return done; });
    };
    clickToEnd(rig.form, &TForm1::Button3Click);
    EXPECT_EQ(pages, 3);
    EXPECT_EQ(child<QProgressBar>(rig.form, "ProgressBar1")->maximum(), 3);
    EXPECT_EQ(lastLogLines(rig.form, 1), QStringList({"Firmware upgrade success"}));
    EXPECT_EQ(rig.device.appliances().front().requestCount(orvik::Command::FirmwareVersion), 0);
    EXPECT_FALSE(closed);
    EXPECT_EQ(specialStrings, 0);
    EXPECT_TRUE(visibleDuring);
    EXPECT_FALSE(rig.form.isVisible());
    for (QPushButton* button : buttons)
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
}

// Counts the paints of a window's widgets.
struct PaintCount : QObject {
    explicit PaintCount(const QWidget& window) : window(window)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == &window)
            ++paints;
        return false;
    }
    const QWidget& window;
    int paints = 0;
};

// While the appliance takes its time over one reply, the window's events go
// on: its timers fire and it paints. A configuration session holds what the
// user types and clicks, greying nothing; an upload leaves the settings to
// the user. Each session then ends as usual.
TEST(Form1Behaviour, TheWindowLivesWhileTheApplianceHoldsAReply)
{
    constexpr int kHoldMs = 700;
    Form1Rig rig;
    rig.form.show();
    rig.firmware.bytes = QByteArray(33, '\x5a');
    orvik::Appliance& appliance = rig.device.appliances().front();
    const struct {
        const char* what;
        void (TForm1::*click)();
        orvik::Command command;
        std::optional<std::uint16_t> page; // none: the version query
        bool held;
        QStringList lastLines;
    } rows[] = {
        {"write config",
         &TForm1::Button5Click,
         orvik::Command::WriteConfigPage,
         50,
         true,
         {"Page written: 192/192", "Eeprom write success"}},
        {"read config",
         &TForm1::Button4Click,
         orvik::Command::ReadConfigPage,
         50,
         true,
         {"Eeprom read success.", "Orvik 2.0 found, vid: Vid_0483, pid: A04F"}},
        {"version",
         &TForm1::Button4Click,
         orvik::Command::FirmwareVersion,
         std::nullopt,
         true,
         {"Eeprom read success.", "Orvik 2.0 found, vid: Vid_0483, pid: A04F"}},
        {"upload firmware",
         &TForm1::Button3Click,
         orvik::Command::WriteFirmwarePage,
         1,
         false,
         {"Page written: 2/2", "Firmware upgrade success"}},
    };
    auto* callsign = child<QLineEdit>(rig.form, "Callsign");
    auto* upload = child<QCheckBox>(rig.form, "Uploadpctime");
    auto* saveButton = child<QPushButton>(rig.form, "Button1");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        appliance.faults = {{row.command, row.page, orvik::FaultKind::Hold, kHoldMs}};
        std::atomic<int> sent = 0; // of the held command
        std::atomic<bool> answered = false;
        const int heldRequest = row.page.value_or(0) + 1;
        rig.device.onRequest = [&](const orvik::Appliance&, const orvik::Report& request) {
            if (sent >= heldRequest)
                answered = true;
            if (request[orvik::kCommandOffset] == static_cast<std::uint8_t>(row.command))
                ++sent;
        };
        rig.dialogs.seen.clear();
        const QString typed = callsign->text();
        const bool ticked = upload->isChecked();
        PaintCount painted(rig.form);
        int paintsBefore = -1;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &rig.form, [&] {
            if (sent < heldRequest)
                return;
            poll.stop();
            EXPECT_EQ(saveButton->isEnabled(), row.held); // greyed during an upload only
            QTest::keyClick(callsign, Qt::Key_Backspace);
            QTest::mouseClick(upload, Qt::LeftButton);
            QTest::mouseClick(saveButton, Qt::LeftButton);
            paintsBefore = painted.paints;
            rig.form.update();
            QTimer::singleShot(50, &rig.form, [&] {
                EXPECT_GT(painted.paints, paintsBefore);
                EXPECT_FALSE(answered);
            });
        });
        poll.start(5);
        clickToEnd(rig.form, row.click);
        EXPECT_GE(paintsBefore, 0) << "no timer fired during the session";
        EXPECT_EQ(callsign->text(), row.held ? typed : typed.chopped(1));
        EXPECT_EQ(upload->isChecked(), row.held ? ticked : !ticked);
        EXPECT_EQ(lastLogLines(rig.form, 2), row.lastLines);
        EXPECT_EQ(rig.dialogs.seen, row.command == orvik::Command::ReadConfigPage ||
                                            row.command == orvik::Command::FirmwareVersion
                                        ? QStringList{"notice: Firmware version: 1.02"}
                                        : QStringList{});
        if (!row.held)
            upload->setChecked(ticked);
    }
}

// Without a carried image "Upload firmware" asks for a file and checks it
// before the appliance is looked for; --firmware FILE asks nothing.
TEST(Form1Behaviour, UploadsAFirmwareFileWhenNoneIsCarried)
{
    Form1Rig rig;
    rig.firmware.carried = false;
    QTemporaryDir dir;
    const auto file = [&](const char* name, qsizetype size) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(QByteArray(size, 'f')) == size);
        return f.fileName();
    };
    const QString asked = "firmware: " + orvik::configStartFolder(rig.programFolder.path()) + " | ";
    const QString ok = file("ok.bin", 33);
    const QString empty = file("empty.bin", 0);
    const struct {
        QString answer; // empty: cancelled
        QStringList seen;
    } rows[] = {
        {"", {asked}},
        {ok, {asked}},
        {empty, {asked + ok, "information: Firmware file is empty."}},
        {file("long.bin", 245761), {asked + empty, "information: Firmware file too long."}},
    };
    for (const auto& row : rows) {
        rig.dialogs.seen.clear();
        rig.dialogs.answers = {row.answer};
        clickToEnd(rig.form, &TForm1::Button3Click);
        EXPECT_EQ(rig.dialogs.seen, row.seen) << row.answer.toStdString();
    }
    // Only the 33-byte image reached the appliance.
    EXPECT_EQ(rig.device.appliances().front().firmware.size(), 64);
    EXPECT_EQ(lastLogLines(rig.form, 1), QStringList{"Firmware upgrade success"});

    TForm1 given({[] { return std::int64_t{0}; }, &rig.dialogs, &rig.device, &rig.firmware,
                  rig.programFolder.path(), file("given.bin", 65)});
    clickToEnd(given, &TForm1::Button3Click);
    EXPECT_EQ(lastLogLines(given, 2),
              QStringList({"Page written: 3/3", "Firmware upgrade success"}));
}

// Among several appliances the window asks once which to use, names it in
// its caption, and keeps it until it is gone.
TEST(Form1Behaviour, AsksOnceWhichApplianceAndKeepsIt)
{
    Form1Rig rig;
    rig.device.appliances().front().serialNumber = "A1";
    rig.device.attach("orvik-2").serialNumber = "B2";
    const QString caption = rig.form.windowTitle();
    const QString question = "appliance: A1 (orvik-1) | B2 (orvik-2)";
    const struct {
        QString answer; // not an index: cancelled
        QStringList seen;
        QString caption;
        int pagesToA1, pagesToB2;
        bool b2Present = true;
    } steps[] = {
        {"cancel", {question}, caption, 0, 0},
        {"1", {question}, caption + " \u2014 B2", 0, 192},
        {"", {}, caption + " \u2014 B2", 0, 384},
        {"", {}, caption, 192, 384, false}, // B2 gone: A1, the only one left
    };
    for (const auto& step : steps) {
        rig.device.appliances()[1].present = step.b2Present;
        rig.dialogs.seen.clear();
        rig.dialogs.answers = {step.answer};
        clickToEnd(rig.form, &TForm1::Button5Click);
        EXPECT_EQ(rig.dialogs.seen, step.seen);
        EXPECT_EQ(rig.form.windowTitle(), step.caption);
        EXPECT_EQ(rig.device.appliances()[0].requestCount(orvik::Command::WriteConfigPage),
                  step.pagesToA1);
        EXPECT_EQ(rig.device.appliances()[1].requestCount(orvik::Command::WriteConfigPage),
                  step.pagesToB2);
    }
}

TEST(Form1Behaviour, SpecialStringsOpensTheDialog)
{
    Form1Rig rig;
    int shown = 0;
    rig.form.setSpecialStringsDialog([&] { ++shown; });
    child<QPushButton>(rig.form, "Button11")->click();
    child<QPushButton>(rig.form, "Button11")->click();
    EXPECT_EQ(shown, 2);
}

} // namespace
