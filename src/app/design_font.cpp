#include "app/design_font.h"

#include <QStringList>

namespace orvik {

QFont designFont(QFont font)
{
    font.setFamilies({"Liberation Sans", "Arimo", "Nimbus Sans", "Arial", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setStretch(QFont::Unstretched);
    return font;
}

QFont fittedFont(const QFont& design, const std::function<bool(const QFont&)>& fits)
{
    QFont font = design;
    for (const int pixels : {11, 10}) {
        for (const int stretch : {100, 94, 88, 82}) {
            font.setPixelSize(pixels);
            font.setStretch(stretch);
            if (fits(font))
                return font;
        }
    }
    return font;
}

} // namespace orvik
