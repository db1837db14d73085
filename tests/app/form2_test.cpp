#include "app/Unit2.h"
#include "app/test_application.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(Form2, CaptionFixedSizeAndFiveLines)
{
    ensureApplication();
    TForm2 dialog;
    EXPECT_EQ(dialog.objectName(), "Form2");
    EXPECT_EQ(dialog.windowTitle(), "Beacon special strings");
    EXPECT_EQ(dialog.minimumSize(), QSize(251, 116));
    EXPECT_EQ(dialog.maximumSize(), QSize(251, 116));
    EXPECT_FALSE(dialog.isVisible());

    const struct {
        QLabel* label;
        const char* name;
        QPoint at;
        QString text;
    } lines[] = {
        {dialog.Label1, "Label1", {8, 8}, "<date> - inserts current time in format: DDHHMM. "},
        {dialog.Label2, "Label2", {8, 24}, "<lat> - inserts latitude defined on  \"Radio\" Tab."},
        {dialog.Label3, "Label3", {8, 40}, "<long> - inserts longitude defined on  \"Radio\" Tab."},
        {dialog.Label4, "Label4", {8, 80}, "Example:"},
        {dialog.Label5, "Label5", {8, 96}, "@<date>z<lat>/<long>-Orvik Test."},
    };
    for (const auto& line : lines) {
        EXPECT_EQ(line.label->objectName(), line.name);
        EXPECT_EQ(line.label->text(), line.text) << line.name;
        EXPECT_EQ(line.label->textFormat(), Qt::PlainText) << line.name;
        EXPECT_EQ(line.label->pos(), line.at) << line.name;
        // A stop of the keyboard, which a screen reader reads.
        EXPECT_EQ(line.label->focusPolicy(), Qt::TabFocus) << line.name;
        // Whatever font stands in, no line is cut off at the right edge.
        EXPECT_LE(line.label->geometry().right(), 250) << line.name;
    }
}

// Opens the dialog as "Special strings" does; `close` runs inside its modal
// loop, after the position and modality were recorded.
std::pair<QPoint, bool> openDialog(TForm2& dialog, const std::function<void()>& close)
{
    std::pair<QPoint, bool> seen;
    QTimer::singleShot(0, &dialog, [&] {
        seen = {dialog.pos(), QApplication::activeModalWidget() == &dialog};
        close();
    });
    dialog.showModalDialog();
    return seen;
}

TEST(Form2, OpensAt538And301ThenWhereTheUserLeftIt)
{
    ensureApplication();
    TForm2 dialog;
    const auto first = openDialog(dialog, [&] {
        dialog.move(600, 420); // the user drags it away
        dialog.close();
    });
    EXPECT_EQ(first, std::make_pair(QPoint(538, 301), true));
    EXPECT_FALSE(dialog.isVisible());

    const auto second = openDialog(dialog, [&] {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &escape);
    });
    EXPECT_EQ(second, std::make_pair(QPoint(600, 420), true));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Label3->text(), "<long> - inserts longitude defined on  \"Radio\" Tab.");
}

} // namespace
