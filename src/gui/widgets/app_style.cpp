#include "gui/widgets/app_style.h"

#include <QApplication>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QWidget>

namespace kr::gui {

namespace {

// The unit lists beside the number fields are narrow: a slimmer drop-down
// arrow leaves their text the room it needs.
constexpr int ComboArrowWidth = 13;

class ProgramStyle final : public QProxyStyle {
public:
    ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        const QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control != CC_ComboBox)
            return rect;
        const QRect frame = option->rect;
        switch (part) {
        case SC_ComboBoxArrow: return {frame.right() - ComboArrowWidth, frame.top(), ComboArrowWidth + 1, frame.height()};
        case SC_ComboBoxEditField:
            return {frame.left() + 3, frame.top() + 2, frame.width() - ComboArrowWidth - 5, frame.height() - 4};
        default: return rect;
        }
    }
};

}  // namespace

QFont ProgramFont()
{
    QFont font(QString::fromLatin1(ProgramFontFamily), ProgramFontPoints);
    font.setFamilies({QString::fromLatin1(ProgramFontFamily), QStringLiteral("Arial"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void ApplyApplicationStyle(QApplication& app)
{
    app.setStyle(new ProgramStyle());
    QPalette palette = app.style()->standardPalette();
    palette.setColor(QPalette::Window, look::WindowFace);
    palette.setColor(QPalette::Button, look::PanelFace);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, look::WindowFace);
    palette.setColor(QPalette::Highlight, QColor(0x2F, 0x5D, 0x8C));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Base, look::ReadOnlyFace);
    app.setPalette(palette);
    app.setFont(ProgramFont());
}

void SetHint(QWidget& widget, const QString& hint)
{
    widget.setToolTip(hint);
    widget.setToolTipDuration(HintDurationMs);
}

}  // namespace kr::gui
