#include "gui/widgets/spin_button.h"

#include "gui/widgets/app_style.h"

#include <QPainter>
#include <QPolygonF>

namespace kr::gui {

namespace {
constexpr QSize SpinButtonSize{16, 18};
constexpr int PressedDarkness = 115;
constexpr int ShadowDarkness = 160;
}  // namespace

SpinHalf::SpinHalf(Direction direction, QWidget* parent) : QAbstractButton(parent), direction_(direction)
{
    setFocusPolicy(Qt::NoFocus);
}

void SpinHalf::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect r = rect();
    const bool down = isDown();
    painter.fillRect(r, down ? look::ButtonFace.darker(PressedDarkness) : look::ButtonFace);
    painter.setPen(down ? look::ButtonFace.darker(ShadowDarkness) : Qt::white);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(look::ButtonFace.darker(ShadowDarkness));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());

    const QPointF c = QRectF(r).center();
    const double w = qMin(r.width(), r.height() * 2) / 4.0;
    const double dy = (direction_ == Direction::Up ? -w : w) / 2.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(isEnabled() ? look::Ink : QColor(Qt::gray));
    painter.drawPolygon(QPolygonF({QPointF(c.x() - w, c.y() - dy), QPointF(c.x() + w, c.y() - dy),
                                   QPointF(c.x(), c.y() + dy)}));
}

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent),
      up_(new SpinHalf(SpinHalf::Direction::Up, this)),
      down_(new SpinHalf(SpinHalf::Direction::Down, this))
{
    up_->setObjectName(QStringLiteral("UpButton"));
    down_->setObjectName(QStringLiteral("DownButton"));
    connect(up_, &QAbstractButton::clicked, this, &SpinButton::UpClicked);
    connect(down_, &QAbstractButton::clicked, this, &SpinButton::DownClicked);
}

QSize SpinButton::sizeHint() const
{
    return SpinButtonSize;
}

void SpinButton::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace kr::gui
