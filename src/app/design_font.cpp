#include "app/design_font.h"

#include <QStringList>

namespace orvik {

QFont designFont(QFont font)
{
    font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Tahoma", "Nimbus Sans",
                      "Liberation Sans", "Arial", "DejaVu Sans"});
    font.setPixelSize(11);
    return font;
}

} // namespace orvik
