#include "app/design_font.h"

#include <QStringList>

namespace orvik {

namespace {

// "MS Sans Serif" 8 points on a 96 dpi screen.
constexpr int kDesignPixels = 11;

} // namespace

QFont designFont(QFont font)
{
    font.setFamilies({"Liberation Sans", "Arimo", "Nimbus Sans", "Arial", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kDesignPixels);
    font.setStretch(QFont::Unstretched);
    return font;
}

QFont fittedFont(const QFont& design, const std::function<bool(const QFont&)>& fits)
{
    QFont font = design;
    for (const int pixels : {kDesignPixels, kDesignPixels - 1}) {
        for (const int stretch : {int(QFont::Unstretched), 94, 88, 82}) {
            font.setPixelSize(pixels);
            font.setStretch(stretch);
            if (fits(font))
                return font;
        }
    }
    return font;
}

} // namespace orvik
