#include "gui/install/flag_button.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>

namespace kr::gui {

FlagButton::FlagButton(QWidget* parent) : ColorButton(parent) {}

void FlagButton::SetFlag(const QPixmap& flag)
{
    flag_ = flag;
    update();
}

QPixmap FlagButton::LoadFlag(const QString& file, const QColor& shadow, const QColor& highlight)
{
    QImage image;
    if (!QFileInfo(file).isFile() || !image.load(file) || image.isNull())
        return {};
    image = image.convertToFormat(QImage::Format_RGB32);
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    QPainter painter(&image);
    painter.setPen(shadow);
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.setPen(highlight);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, 0, right, bottom);
    painter.end();
    return QPixmap::fromImage(image);
}

void FlagButton::paintEvent(QPaintEvent* event)
{
    ColorButton::paintEvent(event);
    if (flag_.isNull())
        return;
    QPainter painter(this);
    QRect target(QPoint(0, 0), flag_.size().boundedTo(size()));
    target.moveCenter(rect().center());
    if (isDown())
        target.translate(1, 1);
    painter.drawPixmap(target, flag_);
}

}  // namespace kr::gui
