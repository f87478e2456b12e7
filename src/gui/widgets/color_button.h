#pragma once

#include "gui/widgets/glyphs.h"

#include <QColor>
#include <QPushButton>

namespace kr::gui {

// The program's push button: a coloured face, an optional glyph on the
// left and a caption that is shown on one line or, when word wrap is on,
// broken into several lines. The caption is bold while the button has the
// focus or is the default button, as the caption fitting measures it.
class ColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit ColorButton(QWidget* parent = nullptr, Glyph glyph = Glyph::None);

    void SetColor(const QColor& color);
    const QColor& Color() const { return color_; }

    void SetGlyph(Glyph glyph);
    Glyph GetGlyph() const { return glyph_; }
    // The room the glyph takes on the button's face; 0 without a glyph.
    int GlyphWidth() const;

    void SetWordWrap(bool wrap);
    bool WordWrap() const { return wordWrap_; }

    bool CaptionIsBold() const { return hasFocus() || isDefault(); }

    // Pixels between the face's border and the caption on either side.
    static constexpr int SideMargin = 5;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The focus came or went (the moment to fit the caption again).
    void FocusChanged(bool hasFocus);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QColor color_;
    Glyph glyph_;
    bool wordWrap_ = false;
};

}  // namespace kr::gui
