#pragma once

#include <QStyledItemDelegate>

class QTableView;

namespace kr::gui {

// The cells of a column whose rows each step through variants with a small
// up/down button at the cell's right edge. The current row has the real
// button laid over it; every other cell with a text gets a drawn raised
// frame of the button's width there, so that every row looks steppable.
// The text keeps clear of the button. A step width of 0 draws plain cells.
class StepCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit StepCellDelegate(QTableView* view);

    void SetStepWidth(int pixels);
    int StepWidth() const { return stepWidth_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QTableView* view_;
    int stepWidth_ = 0;
};

// A raised frame in the button face colour: highlight on the top and left,
// shadow on the bottom and right.
void DrawRaisedFrame(QPainter& painter, const QRect& rect);

}  // namespace kr::gui
