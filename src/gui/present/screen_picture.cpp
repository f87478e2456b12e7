#include "gui/present/screen_picture.h"

#include "core/present/curve_chart.h"

#include <cmath>

namespace kr::gui {

namespace {

constexpr QImage::Format ScreenPictureFormat = QImage::Format_RGB32;
constexpr double MetresPerInch = 0.0254;

void SetScreenResolution(QImage& picture)
{
    const int dotsPerMetre = static_cast<int>(std::lround(ScreenPictureDpi / MetresPerInch));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
}

}  // namespace

QImage NewScreenPicture(QSize size)
{
    QImage picture(size, ScreenPictureFormat);
    picture.fill(Qt::white);
    SetScreenResolution(picture);
    return picture;
}

QImage NewCurvesPicture()
{
    return NewScreenPicture({CurvesPictureSize.Width, CurvesPictureSize.Height});
}

QImage AsScreenPicture(const QImage& picture)
{
    if (picture.isNull())
        return picture;
    QImage converted = picture.convertToFormat(ScreenPictureFormat);
    SetScreenResolution(converted);
    return converted;
}

}  // namespace kr::gui
