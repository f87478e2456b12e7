#pragma once

#include <QPixmap>
#include <QWidget>

namespace kr::gui {

// Shows one picture: at its own size in the top-left corner, centred,
// stretched over the whole control, or scaled to fit it with its
// proportions kept (never enlarged). With auto size the control takes the
// picture's size.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Placement { TopLeft, Centre, Stretch, Fit };

    explicit PictureBox(QWidget* parent = nullptr, Placement placement = Placement::TopLeft);

    void SetPixmap(const QPixmap& pixmap);
    const QPixmap& Pixmap() const { return pixmap_; }
    void SetPlacement(Placement placement);
    void SetAutoSize(bool autoSize);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap pixmap_;
    Placement placement_;
    bool autoSize_ = false;
};

}  // namespace kr::gui
