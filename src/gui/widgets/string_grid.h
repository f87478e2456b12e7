#pragma once

#include <QHeaderView>
#include <QPointer>
#include <QTableWidget>

#include <map>
#include <vector>

namespace kr::gui {

// A header of a fixed thickness (height of the heading row, width of the
// fixed column), whatever its texts would ask for.
class FixedHeader : public QHeaderView {
    Q_OBJECT
public:
    FixedHeader(Qt::Orientation orientation, QWidget* parent);
    void SetThickness(int pixels);
    int Thickness() const { return thickness_; }
    QSize sizeHint() const override;

private:
    int thickness_;
};

// A grid of texts addressed as cells (col, row), where row 0 is the heading
// row and column 0 the fixed first column, both staying in place while the
// other cells scroll. Whole rows are selected; cells are never edited in
// place. A widget can be laid over a heading cell (a sort button), shrunk
// by one pixel on each side, and follows its column; other widgets can be
// laid over any cell (a step button).
//
// Widgets laid over the grid live beside it, in its parent widget: a table's
// accessibility interface lists its cells only, so a button inside the grid
// would never reach a screen reader. They are clipped to the part of the
// grid they stand over, move with the grid and hide with it.
class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit StringGrid(QWidget* parent = nullptr);
    ~StringGrid() override;

    int ColCount() const { return columnCount() + 1; }
    void SetColCount(int count);
    int RowCount() const { return rowCount() + 1; }
    void SetRowCount(int count);

    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    // Empties every cell; the heading row included.
    void ClearCells();

    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    int HeadingRowHeight() const;
    void SetHeadingRowHeight(int height);
    void SetItemRowHeight(int height);

    // The current row in grid numbering (1 is the first item row), 0 for none.
    int Row() const;
    void SetRow(int row);

    // A press on a row's fixed cell selects the row (off by default).
    void SetFixedColumnSelectsRow(bool on);

    void SetHeadingWidget(int col, QWidget* widget);
    QWidget* HeadingWidget(int col) const;

    // Takes a widget to be laid over cells with PlaceOverCells.
    void AddOverlay(QWidget* widget);
    // Lays an overlay over a rectangle of item cells, in the coordinates of
    // the scrolling part (as visualRect gives them), clipped to that part;
    // hidden where none of it shows.
    void PlaceOverCells(QWidget* widget, const QRect& rect);
    // Lays an overlay over a row's cell of the fixed column, shrunk by one
    // pixel on each side, clipped to the fixed column.
    void PlaceOverFixedCell(QWidget* widget, int row);

    // The rectangle of a cell in the grid's own coordinates.
    QRect CellRect(int col, int row) const;

    // Puts every heading widget over its heading cell again.
    void PlaceHeadingWidgets();

    void setVisible(bool visible) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QTableWidgetItem* EnsureItem(int col, int row);
    QWidget* OverlayParent();
    void PlaceOverlay(QWidget* widget, const QRect& rect, const QRect& clip);

    FixedHeader* headingRow_;
    FixedHeader* fixedColumn_;
    std::map<int, QPointer<QWidget>> headingWidgets_;
    std::vector<QPointer<QWidget>> overlays_;
};

}  // namespace kr::gui
