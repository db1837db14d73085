#include "app/Unit2.h"

#include "app/design_font.h"

#include <QFontMetrics>
#include <QLabel>

namespace {

struct Line {
    QLabel* TForm2::*label;
    const char* name;
    int top;
    const char* text;
};

// The spacing is the dialog's own: a space after "DDHHMM." and two before
// each quotation mark. The band between 40 and 80 is part of the layout.
const Line kLines[] = {
    {&TForm2::Label1, "Label1", 8, "<date> - inserts current time in format: DDHHMM. "},
    {&TForm2::Label2, "Label2", 24, "<lat> - inserts latitude defined on  \"Radio\" Tab."},
    {&TForm2::Label3, "Label3", 40, "<long> - inserts longitude defined on  \"Radio\" Tab."},
    {&TForm2::Label4, "Label4", 80, "Example:"},
    {&TForm2::Label5, "Label5", 96, "@<date>z<lat>/<long>-Orvik Test."},
};
constexpr int kLeft = 8;
constexpr QSize kClientSize(251, 116);

// A stand-in font wider than the design font is narrowed until the longest
// line fits the fixed client area, rather than being cut off at its edge.
QFont fittingFont(QFont font)
{
    const int room = kClientSize.width() - kLeft;
    int widest = 0;
    for (const Line& line : kLines)
        widest = qMax(widest, QFontMetrics(font).horizontalAdvance(QLatin1String(line.text)));
    if (widest > room)
        font.setStretch(QFont::Unstretched * room / widest);
    return font;
}

} // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Beacon special strings"));
    setFont(fittingFont(orvik::designFont(font())));
    setFixedSize(kClientSize);

    for (const Line& line : kLines) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(line.name));
        label->setTextFormat(Qt::PlainText); // "<date>" is no HTML tag
        label->setText(QLatin1String(line.text));
        label->move(kLeft, line.top);
        label->adjustSize();
        this->*line.label = label;
    }
    // Setting the position marks it as chosen, so showing the dialog neither
    // centres it nor moves it back later.
    move(538, 301);
}

void TForm2::showModalDialog()
{
    exec();
}
