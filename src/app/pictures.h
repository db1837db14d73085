#pragma once

#include <QByteArray>
#include <QIcon>

namespace orvik {

// The splash picture the program carries: the bytes of a 254 by 254 JPEG.
QByteArray splashJpeg();

// The program icon: 32 by 32, with larger renderings for desktops that ask.
QIcon programIcon();

} // namespace orvik
