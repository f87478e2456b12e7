#include "gui/widgets/spin_button.h"

#include "gui/widgets/app_style.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

namespace kr::gui {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {}

QSize SpinButton::sizeHint() const
{
    return {16, 18};
}

SpinButton::Half SpinButton::HalfAt(int y) const
{
    return y < height() / 2 ? Half::Up : Half::Down;
}

void SpinButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int half = height() / 2;
    const QRect halves[] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        const QRect& r = halves[i];
        const bool down = pressed_ == (i == 0 ? Half::Up : Half::Down);
        painter.fillRect(r, down ? look::ButtonFace.darker(115) : look::ButtonFace);
        painter.setPen(down ? look::ButtonFace.darker(160) : Qt::white);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(look::ButtonFace.darker(160));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());

        const QPointF c = QRectF(r).center();
        const double w = qMin(r.width(), r.height() * 2) / 4.0;
        const double dy = (i == 0 ? -w : w) / 2.0;
        painter.setPen(Qt::NoPen);
        painter.setBrush(isEnabled() ? look::Ink : QColor(Qt::gray));
        painter.drawPolygon(QPolygonF({QPointF(c.x() - w, c.y() - dy), QPointF(c.x() + w, c.y() - dy),
                                       QPointF(c.x(), c.y() + dy)}));
    }
}

void SpinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = HalfAt(event->position().toPoint().y());
    update();
}

void SpinButton::mouseReleaseEvent(QMouseEvent* event)
{
    const Half released = rect().contains(event->position().toPoint()) ? HalfAt(event->position().toPoint().y()) : Half::None;
    const Half pressed = pressed_;
    pressed_ = Half::None;
    update();
    if (released != pressed)
        return;
    if (released == Half::Up)
        emit UpClicked();
    else if (released == Half::Down)
        emit DownClicked();
}

}  // namespace kr::gui
