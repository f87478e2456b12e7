#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>

namespace kr::gui {

// A panel whose face runs from one colour at the top to another at the bottom.
class GradientPanel : public QFrame {
    Q_OBJECT
public:
    explicit GradientPanel(QWidget* parent = nullptr, const QColor& top = {}, const QColor& bottom = {});
    void SetColors(const QColor& top, const QColor& bottom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor top_;
    QColor bottom_;
};

// A panel with a raised or sunken bevel, the container of groups of controls.
class BevelFrame : public QFrame {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Sunken };
    explicit BevelFrame(QWidget* parent = nullptr, Bevel bevel = Bevel::Raised);
};

// A label that breaks its text into lines at word boundaries.
class BigLabel : public QLabel {
    Q_OBJECT
public:
    explicit BigLabel(QWidget* parent = nullptr);
};

}  // namespace kr::gui
