#pragma once

#include <QAbstractButton>
#include <QWidget>

namespace kr::gui {

// One half of a spin button: a small button with a triangle pointing up or
// down. A real button of its own, so that screen readers find and press it.
class SpinHalf : public QAbstractButton {
    Q_OBJECT
public:
    enum class Direction { Up, Down };
    SpinHalf(Direction direction, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Direction direction_;
};

// A small pair of up and down buttons, one above the other.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);
    QSize sizeHint() const override;

    SpinHalf* UpButton() const { return up_; }
    SpinHalf* DownButton() const { return down_; }

signals:
    void UpClicked();
    void DownClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    SpinHalf* up_;
    SpinHalf* down_;
};

}  // namespace kr::gui
