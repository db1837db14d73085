#include "app/Unit2.h"
#include "app/test_application.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Seen {
    QPoint pos;
    QSize clientSize;
    bool modal = false;
    QStringList lines;
};

// Opens the dialog the way "Special strings" does; `whileOpen` runs inside
// its modal loop and closes it.
Seen openDialog(TForm2& dialog, const std::function<void()>& whileOpen)
{
    Seen seen;
    QTimer::singleShot(0, &dialog, [&] {
        seen.pos = dialog.pos();
        seen.clientSize = dialog.geometry().size();
        seen.modal = QApplication::activeModalWidget() == &dialog;
        for (const QLabel* label :
             {dialog.Label1, dialog.Label2, dialog.Label3, dialog.Label4, dialog.Label5})
            seen.lines << label->text();
        whileOpen();
    });
    dialog.showModalDialog();
    return seen;
}

void pressEscape(QWidget& window)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&window, &press);
}

TEST(Form2, CaptionSizeAndFixedBorder)
{
    ensureApplication();
    TForm2 dialog;
    EXPECT_EQ(dialog.objectName(), "Form2");
    EXPECT_EQ(dialog.windowTitle(), "Beacon special strings");
    EXPECT_EQ(dialog.size(), QSize(251, 116));
    EXPECT_EQ(dialog.minimumSize(), QSize(251, 116));
    EXPECT_EQ(dialog.maximumSize(), QSize(251, 116));
    EXPECT_FALSE(dialog.isVisible());
}

TEST(Form2, FiveLinesWithTheirSpacingAndPlaces)
{
    ensureApplication();
    TForm2 dialog;
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
        EXPECT_FALSE(line.label->wordWrap()) << line.name;
        // Whatever font stands in, no line is cut off at the right edge.
        EXPECT_LE(line.label->geometry().right(), 250) << line.name;
    }
}

TEST(Form2, OpensAt538And301ThenWhereTheUserLeftIt)
{
    ensureApplication();
    TForm2 dialog;
    const Seen first = openDialog(dialog, [&] {
        dialog.move(600, 420); // the user drags it away
        dialog.close();
    });
    EXPECT_EQ(first.pos, QPoint(538, 301));
    EXPECT_TRUE(first.modal);
    EXPECT_FALSE(dialog.isVisible());

    const Seen second = openDialog(dialog, [&] { pressEscape(dialog); });
    EXPECT_EQ(second.pos, QPoint(600, 420));
    EXPECT_TRUE(second.modal);
    EXPECT_EQ(second.clientSize, QSize(251, 116));
    EXPECT_EQ(second.lines, first.lines);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
