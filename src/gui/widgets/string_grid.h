#pragma once

#include <QHeaderView>
#include <QPointer>
#include <QTableWidget>

#include <map>

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
// by one pixel on each side, and follows its column.
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

    // The rectangle of a cell in the grid's own coordinates.
    QRect CellRect(int col, int row) const;

    // Puts every heading widget over its heading cell again.
    void PlaceHeadingWidgets();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QTableWidgetItem* EnsureItem(int col, int row);

    FixedHeader* headingRow_;
    FixedHeader* fixedColumn_;
    std::map<int, QPointer<QWidget>> headingWidgets_;
};

}  // namespace kr::gui
