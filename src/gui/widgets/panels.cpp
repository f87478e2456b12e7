#include "gui/widgets/panels.h"

#include "gui/widgets/app_style.h"

#include <QLinearGradient>
#include <QPainter>

namespace kr::gui {

GradientPanel::GradientPanel(QWidget* parent, const QColor& top, const QColor& bottom)
    : QFrame(parent), top_(top.isValid() ? top : look::GradientTop), bottom_(bottom.isValid() ? bottom : look::GradientBottom)
{
}

void GradientPanel::SetColors(const QColor& top, const QColor& bottom)
{
    top_ = top;
    bottom_ = bottom;
    update();
}

void GradientPanel::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0.0, top_);
        gradient.setColorAt(1.0, bottom_);
        painter.fillRect(rect(), gradient);
    }
    QFrame::paintEvent(event);
}

BevelFrame::BevelFrame(QWidget* parent, Bevel bevel) : QFrame(parent)
{
    switch (bevel) {
    case Bevel::None: setFrameShape(QFrame::NoFrame); break;
    case Bevel::Raised: setFrameStyle(QFrame::Panel | QFrame::Raised); break;
    case Bevel::Sunken: setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    }
    setLineWidth(1);
}

BigLabel::BigLabel(QWidget* parent) : QLabel(parent)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace kr::gui
