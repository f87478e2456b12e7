#include "gui/widgets/string_grid.h"

#include <QMoveEvent>
#include <QRegion>
#include <QScrollBar>

namespace kr::gui {

namespace {
constexpr int DefaultHeadingHeight = 20;
constexpr int DefaultFixedColumnWidth = 24;
constexpr int DefaultItemRowHeight = 18;
}  // namespace

FixedHeader::FixedHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent),
      thickness_(orientation == Qt::Horizontal ? DefaultHeadingHeight : DefaultFixedColumnWidth)
{
}

void FixedHeader::SetThickness(int pixels)
{
    thickness_ = pixels;
    updateGeometry();
}

QSize FixedHeader::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    if (orientation() == Qt::Horizontal)
        size.setHeight(thickness_);
    else
        size.setWidth(thickness_);
    return size;
}

StringGrid::StringGrid(QWidget* parent)
    : QTableWidget(parent),
      headingRow_(new FixedHeader(Qt::Horizontal, this)),
      fixedColumn_(new FixedHeader(Qt::Vertical, this))
{
    setHorizontalHeader(headingRow_);
    setVerticalHeader(fixedColumn_);
    headingRow_->setSectionsClickable(false);
    headingRow_->setHighlightSections(false);
    headingRow_->setSectionResizeMode(QHeaderView::Interactive);
    headingRow_->setDefaultAlignment(Qt::AlignCenter);
    headingRow_->setMinimumSectionSize(8);
    fixedColumn_->setSectionsClickable(false);
    fixedColumn_->setHighlightSections(false);
    fixedColumn_->setSectionResizeMode(QHeaderView::Fixed);
    fixedColumn_->setDefaultAlignment(Qt::AlignCenter);
    fixedColumn_->setMinimumSectionSize(8);
    fixedColumn_->setDefaultSectionSize(DefaultItemRowHeight);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);

    connect(headingRow_, &QHeaderView::sectionResized, this, &StringGrid::PlaceHeadingWidgets);
    connect(headingRow_, &QHeaderView::geometriesChanged, this, &StringGrid::PlaceHeadingWidgets);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &StringGrid::PlaceHeadingWidgets);
}

StringGrid::~StringGrid()
{
    // Taking the widget down resizes its parts; the placing must not run
    // on a grid that is half gone.
    disconnect(headingRow_, nullptr, this, nullptr);
    disconnect(horizontalScrollBar(), nullptr, this, nullptr);
}

void StringGrid::SetColCount(int count)
{
    const int columns = qMax(0, count - 1);
    const int before = columnCount();
    setColumnCount(columns);
    // A column without a heading item would show its number.
    for (int c = before; c < columns; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem());
    PlaceHeadingWidgets();
}

void StringGrid::SetRowCount(int count)
{
    const int rows = qMax(0, count - 1);
    const int before = rowCount();
    setRowCount(rows);
    for (int r = before; r < rows; ++r)
        setVerticalHeaderItem(r, new QTableWidgetItem());
}

QString StringGrid::Cell(int col, int row) const
{
    const QTableWidgetItem* cell = nullptr;
    if (row == 0 && col > 0)
        cell = horizontalHeaderItem(col - 1);
    else if (col == 0 && row > 0)
        cell = verticalHeaderItem(row - 1);
    else if (col > 0 && row > 0)
        cell = item(row - 1, col - 1);
    return cell ? cell->text() : QString();
}

QTableWidgetItem* StringGrid::EnsureItem(int col, int row)
{
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount() || (col == 0 && row == 0))
        return nullptr;
    if (row == 0) {
        if (!horizontalHeaderItem(col - 1))
            setHorizontalHeaderItem(col - 1, new QTableWidgetItem());
        return horizontalHeaderItem(col - 1);
    }
    if (col == 0) {
        if (!verticalHeaderItem(row - 1))
            setVerticalHeaderItem(row - 1, new QTableWidgetItem());
        return verticalHeaderItem(row - 1);
    }
    if (!item(row - 1, col - 1)) {
        auto* cell = new QTableWidgetItem();
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(row - 1, col - 1, cell);
    }
    return item(row - 1, col - 1);
}

void StringGrid::SetCell(int col, int row, const QString& text)
{
    // Cell (0, 0) is the corner, which shows nothing.
    if (QTableWidgetItem* cell = EnsureItem(col, row))
        cell->setText(text);
}

void StringGrid::ClearCells()
{
    for (int row = 0; row < RowCount(); ++row) {
        for (int col = 0; col < ColCount(); ++col) {
            if (!Cell(col, row).isEmpty())
                SetCell(col, row, QString());
        }
    }
}

int StringGrid::ColWidth(int col) const
{
    return col == 0 ? fixedColumn_->Thickness() : columnWidth(col - 1);
}

void StringGrid::SetColWidth(int col, int width)
{
    if (col == 0)
        fixedColumn_->SetThickness(width);
    else
        setColumnWidth(col - 1, width);
    PlaceHeadingWidgets();
}

int StringGrid::HeadingRowHeight() const
{
    return headingRow_->Thickness();
}

void StringGrid::SetHeadingRowHeight(int height)
{
    headingRow_->SetThickness(height);
    PlaceHeadingWidgets();
}

void StringGrid::SetItemRowHeight(int height)
{
    fixedColumn_->setDefaultSectionSize(height);
}

int StringGrid::Row() const
{
    return currentRow() + 1;
}

void StringGrid::SetRow(int row)
{
    setCurrentCell(row - 1, qMax(0, currentColumn()));
}

void StringGrid::SetFixedColumnSelectsRow(bool on)
{
    // The table selects the row of a pressed section, and only a clickable
    // header reports presses.
    fixedColumn_->setSectionsClickable(on);
}

void StringGrid::SetHeadingWidget(int col, QWidget* widget)
{
    headingWidgets_[col] = widget;
    if (widget)
        AddOverlay(widget);
    PlaceHeadingWidgets();
}

QWidget* StringGrid::OverlayParent()
{
    return parentWidget() ? parentWidget() : this;
}

void StringGrid::AddOverlay(QWidget* widget)
{
    widget->setParent(OverlayParent());
    widget->hide();
    overlays_.emplace_back(widget);
}

void StringGrid::PlaceOverCells(QWidget* widget, const QRect& rect)
{
    const QRect area = viewport()->geometry();
    PlaceOverlay(widget, rect.translated(area.topLeft()), area);
}

void StringGrid::PlaceOverFixedCell(QWidget* widget, int row)
{
    PlaceOverlay(widget, CellRect(0, row).adjusted(1, 1, -1, -1), fixedColumn_->geometry());
}

// rect and clip are in the grid's coordinates.
void StringGrid::PlaceOverlay(QWidget* widget, const QRect& rect, const QRect& clip)
{
    const QRect shown = rect & clip;
    // A grid not shown yet is hidden too, but its overlays are to show with it.
    const bool gridHidden = testAttribute(Qt::WA_WState_ExplicitShowHide) && isHidden();
    if (shown.isEmpty() || gridHidden) {
        widget->hide();
        return;
    }
    const QPoint offset = widget->parentWidget() == this ? QPoint() : mapTo(widget->parentWidget(), QPoint());
    widget->setGeometry(rect.translated(offset));
    if (shown == rect)
        widget->clearMask();
    else
        widget->setMask(QRegion(shown.translated(-rect.topLeft())));
    widget->raise();
    widget->show();
}

QWidget* StringGrid::HeadingWidget(int col) const
{
    const auto found = headingWidgets_.find(col);
    return found == headingWidgets_.end() ? nullptr : found->second.data();
}

QRect StringGrid::CellRect(int col, int row) const
{
    int x = 0;
    int width = 0;
    if (col == 0) {
        x = fixedColumn_->geometry().x();
        width = fixedColumn_->width();
    } else {
        x = viewport()->geometry().x() + columnViewportPosition(col - 1);
        width = columnWidth(col - 1);
    }
    int y = 0;
    int height = 0;
    if (row == 0) {
        y = headingRow_->geometry().y();
        height = headingRow_->height();
    } else {
        y = viewport()->geometry().y() + rowViewportPosition(row - 1);
        height = rowHeight(row - 1);
    }
    return {x, y, width, height};
}

void StringGrid::PlaceHeadingWidgets()
{
    for (const auto& [col, widget] : headingWidgets_) {
        if (!widget)
            continue;
        if (col < 1 || col >= ColCount()) {
            widget->hide();
            continue;
        }
        const int x = headingRow_->geometry().x() + headingRow_->sectionViewportPosition(col - 1);
        const QRect cell(x, headingRow_->geometry().y(), headingRow_->sectionSize(col - 1), headingRow_->Thickness());
        PlaceOverlay(widget, cell.adjusted(1, 1, -1, -1), headingRow_->geometry());
    }
}

void StringGrid::setVisible(bool visible)
{
    QTableWidget::setVisible(visible);
    if (visible) {
        PlaceHeadingWidgets();
        return;
    }
    for (const QPointer<QWidget>& overlay : overlays_) {
        if (overlay)
            overlay->hide();
    }
}

void StringGrid::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    PlaceHeadingWidgets();
}

void StringGrid::moveEvent(QMoveEvent* event)
{
    QTableWidget::moveEvent(event);
    const QPoint moved = event->pos() - event->oldPos();
    for (const QPointer<QWidget>& overlay : overlays_) {
        if (overlay && overlay->parentWidget() != this)
            overlay->move(overlay->pos() + moved);
    }
}

void StringGrid::showEvent(QShowEvent* event)
{
    QTableWidget::showEvent(event);
    PlaceHeadingWidgets();
}

}  // namespace kr::gui
