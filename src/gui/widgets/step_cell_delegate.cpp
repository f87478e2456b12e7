#include "gui/widgets/step_cell_delegate.h"

#include "gui/widgets/app_style.h"

#include <QPainter>
#include <QTableView>

namespace kr::gui {

namespace {
// How much darker than the face the shadow line is drawn.
constexpr int ShadowDarkness = 160;
}  // namespace

StepCellDelegate::StepCellDelegate(QTableView* view) : QStyledItemDelegate(view), view_(view) {}

void StepCellDelegate::SetStepWidth(int pixels)
{
    stepWidth_ = qMax(0, pixels);
    view_->viewport()->update();
}

void StepCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (stepWidth_ == 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem textOption(option);
    textOption.rect.setRight(option.rect.right() - stepWidth_);
    QStyledItemDelegate::paint(painter, textOption, index);
    const bool empty = index.data(Qt::DisplayRole).toString().isEmpty();
    if (!empty && index.row() != view_->currentIndex().row())
        DrawRaisedFrame(*painter, QRect(option.rect.right() - stepWidth_ + 1, option.rect.top(), stepWidth_,
                                        option.rect.height()));
}

void DrawRaisedFrame(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.fillRect(rect, look::ButtonFace);
    painter.setPen(Qt::white);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(look::ButtonFace.darker(ShadowDarkness));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.restore();
}

}  // namespace kr::gui
