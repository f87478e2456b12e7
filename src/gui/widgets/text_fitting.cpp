#include "gui/widgets/text_fitting.h"

#include <QFont>
#include <QFontInfo>
#include <QWidget>

namespace kr::gui {

void FitTextToWidth(QWidget& control)
{
    control.setFont(QFont());
    QFont font = control.font();
    int pixels = QFontInfo(font).pixelSize();
    while (control.sizeHint().width() > control.width() && pixels > MinFittedPixelSize) {
        font.setPixelSize(--pixels);
        control.setFont(font);
    }
}

}  // namespace kr::gui
