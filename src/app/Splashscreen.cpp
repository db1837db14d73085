#include "app/Splashscreen.h"

#include "app/jpeg_decode.h"
#include "files/result.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace {
constexpr int kSide = 254;
}

TSplashScreen::TSplashScreen(const QByteArray& jpeg, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      Image1(new QLabel(this))
{
    const std::optional<QImage> picture = orvik::decodeJpeg(jpeg);
    if (!picture)
        throw orvik::OperationError(
            orvik::Cause::Failed,
            QCoreApplication::translate("Window", "The splash picture cannot be decoded"));

    setObjectName(QStringLiteral("SplashScreen"));
    setFixedSize(kSide, kSide);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kSide, kSide);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap::fromImage(*picture));

    QRect frame(QPoint(), size());
    frame.moveCenter(QGuiApplication::primaryScreen()->geometry().center());
    move(frame.topLeft());
}
