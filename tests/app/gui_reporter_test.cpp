#include "app/gui_reporter.h"
#include "form1_rig.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

using orvik::test::Form1Rig;

TEST(GuiReporter, LogKeepsEveryLineInOrderAndShowsTheNewest)
{
    Form1Rig rig;
    rig.form.show();
    orvik::GuiReporter& reporter = rig.form.reporter();
    QStringList expected;
    for (int i = 1; i <= 300; ++i) {
        const QString line = QStringLiteral("Page written: %1/300").arg(i);
        reporter.log(line);
        expected << line;
        if (i == 150) {
            // The user scrolls back; the next line still comes into view.
            rig.form.Memo1->verticalScrollBar()->setValue(0);
        }
    }
    reporter.log("Firmware upgrade success");
    expected << "Firmware upgrade success";
    reporter.flush();
    EXPECT_EQ(rig.form.Memo1->toPlainText().split('\n'), expected);
    const QScrollBar* bar = rig.form.Memo1->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST(GuiReporter, AnOperationWithoutPagesShowsAnEmptyBarNotABusyOne)
{
    Form1Rig rig;
    orvik::GuiReporter& reporter = rig.form.reporter();
    reporter.setProgressRange(0);
    reporter.setProgress(0);
    EXPECT_NE(rig.form.ProgressBar1->maximum(), rig.form.ProgressBar1->minimum());
    EXPECT_EQ(rig.form.ProgressBar1->value(), 0);
    reporter.setProgressRange(192);
    EXPECT_EQ(rig.form.ProgressBar1->maximum(), 192);
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

} // namespace
