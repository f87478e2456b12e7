#pragma once

#include "gui/widgets/color_button.h"

#include <QPixmap>
#include <QString>

namespace kr::gui {

// A button of the installation wizard's language page that shows a flag
// centred on its face.
class FlagButton : public ColorButton {
    Q_OBJECT
public:
    explicit FlagButton(QWidget* parent = nullptr);

    void SetFlag(const QPixmap& flag);
    const QPixmap& Flag() const { return flag_; }

    // The flag bitmap with a sunken one-pixel frame (top and left edges in
    // the shadow colour, bottom and right in the highlight colour), or a
    // null pixmap when the file cannot be loaded.
    static QPixmap LoadFlag(const QString& file, const QColor& shadow, const QColor& highlight);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap flag_;
};

}  // namespace kr::gui
