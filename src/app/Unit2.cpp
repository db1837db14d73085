#include "app/Unit2.h"

#include "app/design_font.h"
#include "app/window_text.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <algorithm>
#include <iterator>

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
    {&TForm2::Label1, "Label1", 8,
     QT_TRANSLATE_NOOP("Window", "<date> - inserts current time in format: DDHHMM. ")},
    {&TForm2::Label2, "Label2", 24,
     QT_TRANSLATE_NOOP("Window", "<lat> - inserts latitude defined on  \"Radio\" Tab.")},
    {&TForm2::Label3, "Label3", 40,
     QT_TRANSLATE_NOOP("Window", "<long> - inserts longitude defined on  \"Radio\" Tab.")},
    {&TForm2::Label4, "Label4", 80, QT_TRANSLATE_NOOP("Window", "Example:")},
    {&TForm2::Label5, "Label5", 96,
     QT_TRANSLATE_NOOP("Window", "@<date>z<lat>/<long>-Orvik Test.")},
};
constexpr int kLeft = 8;
constexpr QSize kClientSize(251, 116);

// The longest line takes the client area's width but for the margin at its
// left; a narrower form of the font stands in where the lines need it.
bool linesFit(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int room = kClientSize.width() - kLeft;
    return std::all_of(std::begin(kLines), std::end(kLines), [&](const Line& line) {
        return metrics.size(0, orvik::windowText(QString::fromUtf8(line.text))).width() <= room;
    });
}

} // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QCoreApplication::translate("Window", "Beacon special strings"));
    setFont(orvik::fittedFont(orvik::designFont(font()), linesFit));
    setFixedSize(kClientSize);

    for (const Line& line : kLines) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(line.name));
        label->setTextFormat(Qt::PlainText); // "<date>" is no HTML tag
        label->setText(orvik::windowText(QString::fromUtf8(line.text)));
        label->move(kLeft, line.top);
        label->adjustSize();
        // Each line a stop of the keyboard: a screen reader reads the one
        // that has the focus, and the dialog looks the same.
        label->setFocusPolicy(Qt::TabFocus);
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
