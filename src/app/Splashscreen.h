#pragma once

#include "app/pictures.h"

#include <QByteArray>
#include <QWidget>

class QLabel;

// The start-up picture: no border, no title bar, on top of every window,
// centred on the screen, 254 by 254 and filled by the picture.
class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    // Throws orvik::OperationError when `jpeg` cannot be decoded, so that a
    // damaged picture ends the start-up in the error box.
    explicit TSplashScreen(const QByteArray& jpeg = orvik::splashJpeg(), QWidget* parent = nullptr);

    QLabel* Image1;
};
