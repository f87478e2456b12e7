#pragma once

#include <QWidget>

namespace kr::gui {

// A small pair of up and down buttons, one above the other.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);
    QSize sizeHint() const override;

signals:
    void UpClicked();
    void DownClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Half { None, Up, Down };
    Half HalfAt(int y) const;

    Half pressed_ = Half::None;
};

}  // namespace kr::gui
