#include "gui/widgets/picture_box.h"

#include <QPainter>

namespace kr::gui {

PictureBox::PictureBox(QWidget* parent, Placement placement) : QWidget(parent), placement_(placement) {}

void PictureBox::SetPixmap(const QPixmap& pixmap)
{
    pixmap_ = pixmap;
    if (autoSize_)
        resize(pixmap_.size());
    updateGeometry();
    update();
}

void PictureBox::SetPlacement(Placement placement)
{
    placement_ = placement;
    update();
}

void PictureBox::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    if (autoSize_ && !pixmap_.isNull())
        resize(pixmap_.size());
}

QSize PictureBox::sizeHint() const
{
    return pixmap_.isNull() ? QSize(16, 16) : pixmap_.size();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (pixmap_.isNull())
        return;
    QPainter painter(this);
    switch (placement_) {
    case Placement::TopLeft: painter.drawPixmap(0, 0, pixmap_); break;
    case Placement::Centre:
        painter.drawPixmap((width() - pixmap_.width()) / 2, (height() - pixmap_.height()) / 2, pixmap_);
        break;
    case Placement::Stretch:
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), pixmap_);
        break;
    case Placement::Fit: {
        const QSize size = pixmap_.size().boundedTo(this->size()) == pixmap_.size()
                               ? pixmap_.size()
                               : pixmap_.size().scaled(this->size(), Qt::KeepAspectRatio);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size), pixmap_);
        break;
    }
    }
}

}  // namespace kr::gui
