#include "app/gui_reporter.h"
#include "app/presence_log.h"
#include "device/folder_presence.h"
#include "form1_rig.h"
#include "frontend/device_operation.h"
#include "frontend/session_thread.h"
#include "support/device_texts.h"
#include "support/process_wait.h"
#include "support/recording_reporter.h"

#include <QAbstractButton>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QThread>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using orvik::test::Form1Rig;

TEST(GuiReporter, LogKeepsEveryLineInOrderAndShowsTheNewest)
{
    Form1Rig rig;
    rig.form.show();
    orvik::GuiReporter& reporter = rig.form.reporter();
    auto* memo = orvik::test::child<QPlainTextEdit>(rig.form, "Memo1");
    QStringList expected;
    for (int i = 1; i <= 300; ++i) {
        const QString line = QStringLiteral("Page written: %1/300").arg(i);
        reporter.log(line);
        expected << line;
        if (i == 150) {
            // The user scrolls back; the next line still comes into view.
            memo->verticalScrollBar()->setValue(0);
        }
    }
    reporter.log("Firmware upgrade success");
    expected << "Firmware upgrade success";
    reporter.flush();
    EXPECT_EQ(memo->toPlainText().split('\n'), expected);
    EXPECT_EQ(memo->textCursor().position(), memo->document()->lastBlock().position());
    const QScrollBar* bar = memo->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

// What the log and the bar showed whenever either was painted.
class PaintLog : public QObject {
public:
    PaintLog(QPlainTextEdit& log, QProgressBar& bar) : log_(log), bar_(bar)
    {
        log.viewport()->installEventFilter(this);
        bar.installEventFilter(this);
    }
    QStringList seen;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            seen << QStringLiteral("bar %1, %2 lines, last %3")
                        .arg(bar_.value())
                        .arg(log_.document()->blockCount())
                        .arg(log_.document()->lastBlock().text());
        }
        return false;
    }

private:
    const QPlainTextEdit& log_;
    const QProgressBar& bar_;
};

TEST(GuiReporter, PaintsWhatStandsAtEachPaintAndTheEndStateWhenTheSessionEnds)
{
    Form1Rig rig;
    rig.form.show();
    QCoreApplication::processEvents();
    // A page slower than the late paint's quiet time is painted while it lasts.
    rig.device.onRequest = [](const orvik::Appliance&, const orvik::Report& request) {
        if (request[orvik::kCommandOffset] == 0xFD && request[orvik::kPageIndexOffset] == 99)
            QTest::qSleep(300);
    };
    auto* memo = orvik::test::child<QPlainTextEdit>(rig.form, "Memo1");
    PaintLog paints(*memo, *orvik::test::child<QProgressBar>(rig.form, "ProgressBar1"));
    orvik::test::clickToEnd(rig.form, &TForm1::Button5Click);

    QStringList expected = {"Orvik 2.0 found, vid: Vid_0483, pid: A04F"};
    for (int page = 1; page <= 192; ++page)
        expected << QStringLiteral("Page written: %1/192").arg(page);
    expected << "Eeprom write success";
    EXPECT_EQ(memo->toPlainText().split('\n'), expected);
    // The session runs beside the window, so which page a paint meets varies:
    // each shows every line up to its page, and the bar at that page or, when
    // the paint falls between a page's line and its step, one behind.
    const QRegularExpression page(
        QStringLiteral("bar (\\d+), (\\d+) lines, last Page written: (\\d+)/192"));
    bool middle = false;
    for (const QString& seen : paints.seen) {
        if (const QRegularExpressionMatch m = page.match(seen); m.hasMatch()) {
            const int written = m.captured(3).toInt();
            EXPECT_EQ(m.captured(2).toInt(), written + 1) << seen.toStdString();
            EXPECT_GE(m.captured(1).toInt(), written - 1) << seen.toStdString();
            EXPECT_LE(m.captured(1).toInt(), written) << seen.toStdString();
            middle = true;
        }
    }
    EXPECT_TRUE(middle) << paints.seen.join('\n').toStdString();
    ASSERT_FALSE(paints.seen.isEmpty());
    EXPECT_EQ(paints.seen.last(), "bar 0, 194 lines, last Eeprom write success");
}

TEST(GuiReporter, AnOperationWithoutPagesShowsAnEmptyBarNotABusyOne)
{
    Form1Rig rig;
    orvik::GuiReporter& reporter = rig.form.reporter();
    const auto* bar = orvik::test::child<QProgressBar>(rig.form, "ProgressBar1");
    reporter.setProgressRange(0);
    reporter.setProgress(0);
    EXPECT_NE(bar->maximum(), bar->minimum());
    EXPECT_EQ(bar->value(), 0);
    reporter.setProgressRange(192);
    EXPECT_EQ(bar->maximum(), 192);
}

TEST(GuiReporter, BoxesGoToTheDialogs)
{
    Form1Rig rig;
    orvik::GuiReporter& reporter = rig.form.reporter();
    reporter.information("Firmware file too long.");
    reporter.notice("Device firmware version: 1.02");
    reporter.error("'abc' is not a valid integer value.");
    EXPECT_EQ(rig.dialogs.seen, QStringList({"information: Firmware file too long.",
                                             "notice: Device firmware version: 1.02",
                                             "error: 'abc' is not a valid integer value."}));
}

// After start-up the log tells the appliances that come and go, naming them
// where several are attached, and screen readers hear it.
TEST(GuiReporter, TellsAppliancesAttachedAndDetached)
{
    Form1Rig rig;
    QTemporaryDir folder;
    const auto attach = [&](const QString& serial, const QByteArray& faults = {}) {
        QFile plan(folder.filePath(serial + "/faults"));
        ASSERT_TRUE(QDir(folder.path()).mkpath(serial) && plan.open(QIODevice::WriteOnly));
        plan.write(faults);
    };
    const auto detach = [&](const QString& serial) {
        ASSERT_TRUE(QDir(folder.filePath(serial)).removeRecursively());
    };
    orvik::FolderPresence presence(folder.path());
    orvik::logPresence(presence, rig.form.reporter());
    const auto* memo = orvik::test::child<QPlainTextEdit>(rig.form, "Memo1");
    const std::pair<std::function<void()>, QStringList> rows[] = {
        {[&] { attach("A1"); }, {orvik::test::kAttached}},
        {[&] { attach("B2"); }, {"Orvik 2.0 B2 attached."}},
        {[&] { detach("B2"); }, {"Orvik 2.0 B2 detached."}},
        {[&] { detach("A1"); }, {orvik::test::kDetached}},
        {[&] { attach("D4", "open-error Permission denied\n"); },
         {orvik::test::kAttachedUnopenable,
          "Orvik 2.0 could not be opened: Permission denied" + orvik::test::kUdevHint}},
    };
    QStringList log;
    for (const auto& [change, lines] : rows) {
        SCOPED_TRACE(lines.first().toStdString());
        change();
        log << lines;
        EXPECT_TRUE(QTest::qWaitFor([&] { return memo->toPlainText() == log.join('\n'); }));
        EXPECT_EQ(orvik::test::child(rig.form, "Announcer")->accessibleName(), lines.join('\n'));
    }
}

TEST(MessageBoxes, TitleIconTextAndOneOk)
{
    struct Row {
        orvik::BoxKind kind;
        const char* title;
        QMessageBox::Icon icon;
    };
    const Row rows[] = {
        {orvik::BoxKind::Information, "Information", QMessageBox::Information},
        {orvik::BoxKind::Notice, "Orvik 2.0 Configurator", QMessageBox::NoIcon},
        {orvik::BoxKind::Error, "Orvik 2.0 Configurator", QMessageBox::Critical},
    };
    orvik::test::ApplicationReady ready;
    const QString text = "Uncompatible firmware version:\nDevice: 1.01\nConfigurator: 1.02\n\n"
                         "You need to upload new firmware using \"Upload firmware\" button.";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.title);
        const auto box = orvik::makeMessageBox(row.kind, text);
        EXPECT_EQ(box->windowTitle(), row.title);
        EXPECT_EQ(box->icon(), row.icon);
        EXPECT_EQ(box->text(), text);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        ASSERT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->buttons().front()->text(), "OK");
        EXPECT_EQ(box->parentWidget(), nullptr); // centred on the screen
    }
}

// Runs `work` on a thread of its own, reporting through a relay to
// `reporter`, and returns once its end has been handed on.
void runOffThread(orvik::Reporter& reporter, const std::function<void(orvik::ReportRelay&)>& work)
{
    QEventLoop ended;
    orvik::ReportRelay relay(reporter, [&] { ended.quit(); });
    std::thread worker([&] {
        work(relay);
        relay.end();
    });
    QTimer::singleShot(orvik::test::kProcessWaitMs, &ended, &QEventLoop::quit);
    ended.exec();
    worker.join();
}

// While a box runs an event loop the work goes on reporting and calling: all
// of it reaches the target once, in order.
TEST(SessionThread, ReportsGoOnInOrderWhileABoxRunsAnEventLoop)
{
    struct : orvik::test::RecordingReporter {
        void error(const QString& text) override
        {
            RecordingReporter::error(text);
            QEventLoop box; // open for 100 ms
            QTimer::singleShot(100, &box, &QEventLoop::quit);
            box.exec();
        }
    } target;
    QStringList sent;
    runOffThread(target, [&](orvik::ReportRelay& relay) {
        for (int i = 0; i < 400; ++i, QThread::usleep(500)) {
            const QString n = QString::number(i);
            if (i % 100 == 0)
                relay.error(n);
            else if (i % 100 == 50)
                relay.onTargetThread([&] { target.log(n); });
            else
                relay.log(n);
            sent << (i % 100 ? "log: " : "error: ") + n;
        }
    });
    EXPECT_EQ(target.calls, sent);
}

// An operation reports from its own thread and tells its end once, after its
// lines and bar; its boxes wait until the window shows them.
TEST(SessionThread, AnOperationEndsOnceAfterAllItReported)
{
    orvik::test::RecordingReporter target;
    struct Pages final : orvik::OperationWork {
        orvik::SessionEnd run(orvik::ReportRelay& relay) override
        {
            relay.error("box");
            relay.setProgressRange(3);
            for (int page = 1; page <= 3; ++page, QThread::usleep(500))
                relay.setProgress(page);
            return {true, {}, 0};
        }
    };
    orvik::DeviceOperation operation(std::make_unique<Pages>(), target);
    std::vector<bool> ends;
    QEventLoop ended;
    QObject::connect(&operation, &orvik::DeviceOperation::finished,
                     [&](const orvik::SessionEnd& end) { ends.push_back(end.succeeded); });
    QObject::connect(&operation, &orvik::DeviceOperation::finished, &ended, &QEventLoop::quit);
    operation.start();
    EXPECT_TRUE(operation.running());
    QTimer::singleShot(orvik::test::kProcessWaitMs, &ended, &QEventLoop::quit);
    ended.exec();
    QTest::qWait(50); // nothing follows the end
    EXPECT_FALSE(operation.running());
    EXPECT_EQ(ends, std::vector<bool>{true});
    operation.showHeldBoxes();
    EXPECT_EQ(target.calls,
              QStringList({"range: 3", "progress: 1", "progress: 2", "progress: 3", "error: box"}));
}

// An operation that goes while it runs, with the window, lets it end first:
// what it asks of the window is not done.
TEST(SessionThread, AnOperationThatGoesWhileItRunsWaitsForItsEnd)
{
    orvik::test::RecordingReporter target;
    std::atomic<bool> ended = false;
    struct Asks final : orvik::OperationWork {
        explicit Asks(std::atomic<bool>& ended) : ended(ended) {}
        orvik::SessionEnd run(orvik::ReportRelay& relay) override
        {
            relay.onTargetThread([&] { relay.log("asked"); });
            ended = true;
            return {};
        }
        std::atomic<bool>& ended;
    };
    orvik::DeviceOperation(std::make_unique<Asks>(ended), target).start();
    EXPECT_TRUE(ended);
    EXPECT_EQ(target.calls, QStringList());
}

// On the target's own thread a call would wait for itself.
TEST(SessionThread, ACallOnTheTargetsOwnThreadFailsAtOnce)
{
    orvik::test::RecordingReporter target;
    orvik::ReportRelay relay(target);
    EXPECT_THROW(relay.onTargetThread([] {}), std::logic_error);
}

} // namespace
