#include "app/Splashscreen.h"
#include "app/jpeg_decode.h"
#include "app/pictures.h"
#include "app/test_application.h"
#include "frontend/reporter.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

TEST(JpegDecode, CarriedSplashIsA254By254ColourPicture)
{
    const std::optional<QImage> image = orvik::decodeJpeg(orvik::splashJpeg());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), QSize(254, 254));
    EXPECT_EQ(image->format(), QImage::Format_RGB888);
    // Sky at the top left, grass at the left edge, the sun, the title band.
    const struct {
        QPoint at;
        QColor expected;
    } samples[] = {
        {{3, 3}, QColor(0x21, 0x60, 0xaf)},
        {{4, 190}, QColor(0x5c, 0xae, 0x40)},
        {{206, 46}, QColor(0xff, 0xf5, 0xbb)},
        {{127, 240}, QColor(0x0e, 0x1d, 0x30)},
    };
    for (const auto& sample : samples) {
        const QColor got = image->pixelColor(sample.at);
        const int off = qMax(qMax(qAbs(got.red() - sample.expected.red()),
                                  qAbs(got.green() - sample.expected.green())),
                             qAbs(got.blue() - sample.expected.blue()));
        EXPECT_LE(off, 12) << sample.at.x() << "," << sample.at.y() << " "
                           << got.name().toStdString();
    }
}

TEST(JpegDecode, DamagedDataIsRefused)
{
    const QByteArray good = orvik::splashJpeg();
    ASSERT_GT(good.size(), 4000);
    QByteArray noFrame = good;
    // Turn the baseline frame header (FF C0) into an undefined marker.
    const qsizetype sof = noFrame.indexOf(QByteArray("\xff\xc0", 2));
    ASSERT_GT(sof, 0);
    noFrame[sof + 1] = char(0xc8);
    QByteArray brokenScan = good;
    for (qsizetype i = good.size() / 2; i < good.size() / 2 + 64; ++i)
        brokenScan[i] = char(0xff);

    const struct {
        const char* name;
        QByteArray data;
    } cases[] = {
        {"empty", QByteArray()},
        {"not a JPEG", QByteArray("GIF89a, a picture of another kind")},
        {"start marker only", good.left(2)},
        {"headers only", good.left(700)},
        {"cut in half", good.left(good.size() / 2)},
        {"last byte missing", good.chopped(1)},
        {"no frame header", noFrame},
        {"scan overwritten", brokenScan},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(orvik::decodeJpeg(c.data)) << c.name;
}

TEST(SplashScreen, BorderlessOnTopCentredAndFilledByThePicture)
{
    ensureApplication();
    TSplashScreen splash;
    EXPECT_EQ(splash.objectName(), "SplashScreen");
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(splash.size(), QSize(254, 254));
    EXPECT_EQ(splash.minimumSize(), splash.maximumSize());

    EXPECT_EQ(splash.Image1->objectName(), "Image1");
    EXPECT_EQ(splash.Image1->geometry(), QRect(0, 0, 254, 254));
    EXPECT_EQ(splash.Image1->pixmap().size(), QSize(254, 254));

    splash.show();
    const QPoint offCentre =
        splash.geometry().center() - QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1);
}

TEST(SplashScreen, DamagedPictureEndsTheStartUp)
{
    ensureApplication();
    try {
        TSplashScreen splash(orvik::splashJpeg().left(1000));
        FAIL() << "a damaged picture was shown";
    } catch (const orvik::OperationError& e) {
        EXPECT_EQ(orvik::errorBoxText(e.text()), "The splash picture cannot be decoded.");
    }
}

} // namespace
